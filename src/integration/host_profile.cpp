// Resolving a host installation's current profile and adding folders to its path lists.
#include "integration/host_profile.h"

#include "core/text_functions.h"
#include "core/text_string.h"
#include "registry/registry_key.h"
#include "vars/environment.h"

int resolveCurrentProfile(const char *productKey, TextString *profilesPath, TextString *profileName,
                          TextString *profilePath) {
    if (IsBlank(productKey))
        return 0;
    TextString profiles("HKEY_CURRENT_USER/");
    profiles.Append(productKey);
    profiles.Append("/Profiles");
    if (profilesPath != nullptr)
        profilesPath->Assign(profiles.CStr());
    if (profileName == nullptr && profilePath == nullptr)
        return 1;

    RegistryKey key;
    key.openPath(profiles.CStr(), true);
    // A profile name the system's code page cannot hold leaves the profile out (reported by the
    // key); the default profile is not a stand-in for it.
    const char *name = key.readValue("CurProfile", false, false);
    if (key.isUnreadable("CurProfile"))
        return 0;
    if (IsBlank(name))
        name = key.readValue("", false, false);
    if (IsBlank(name) && key.isUnreadable(""))
        return 0;
    if (IsBlank(name))
        name = "Default";
    if (profileName != nullptr)
        profileName->Assign(name);
    if (profilePath != nullptr) {
        profilePath->Assign(profiles.CStr());
        profilePath->AppendChar('/');
        profilePath->Append(name);
    }
    return 1;
}

int addToProfilePathList(const char *productKey, const char *section, const char *valueName,
                         const char *folder, bool onlyIfPresent) {
    TextString path;
    if (!resolveCurrentProfile(productKey, nullptr, nullptr, &path))
        return 0;
    path.AppendChar('/');
    path.Append(section);

    RegistryKey key;
    key.setWritable(true);
    key.openPath(path.CStr(), true);
    // The encoded form keeps the "__eval:" prefix of an expandable string, so that it is written
    // back with its type.
    TextString list(key.readValue(valueName, false, true));
    if (key.isUnreadable(valueName))
        return 0; // the list holds a folder the code page cannot hold: left as it is
    if (onlyIfPresent && IsBlank(list.CStr()))
        return 0;
    if (AddToPathList(folder, list) == -1) {
        key.writeValue(valueName, list.CStr(), false);
        key.flush();
    }
    return 1;
}
