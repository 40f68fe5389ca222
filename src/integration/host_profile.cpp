// Resolving a host installation's current profile and adding folders to its path lists.
#include "integration/host_profile.h"

#include "core/text_functions.h"
#include "core/text_string.h"
#include "registry/registry_key.h"
#include "files/file_utils.h"
#include "vars/environment.h"

#include <algorithm>
#include <cstring>

namespace {

// resolveCurrentProfile, with the profiles key created when missing (create) or only opened.
int resolveProfile(const char *productKey, bool create, TextString *profilesPath, TextString *profileName,
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
    key.openPath(profiles.CStr(), create);
    if (!key.IsOpen() && !create)
        return 0;
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

} // namespace

int resolveCurrentProfile(const char *productKey, TextString *profilesPath, TextString *profileName,
                          TextString *profilePath) {
    return resolveProfile(productKey, true, profilesPath, profileName, profilePath);
}

int resolveExistingProfile(const char *productKey, TextString &profilePath) {
    return resolveProfile(productKey, false, nullptr, nullptr, &profilePath);
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

namespace {

bool namesFolder(const std::string &entry, const std::vector<std::string> &folders) {
    TextString expanded;
    ExpandEnvironment(entry.c_str(), expanded);
    for (const std::string &folder : folders)
        if (samePath(entry.c_str(), folder.c_str()) || samePath(expanded.CStr(), folder.c_str()))
            return true;
    return false;
}

} // namespace

bool removeFromProfilePathList(const char *productKey, const char *section, const char *valueName,
                               const std::vector<std::string> &folders) {
    TextString path;
    if (!resolveExistingProfile(productKey, path))
        return true;
    path.AppendChar('/');
    path.Append(section);
    RegistryKey key;
    key.setWritable(true);
    key.openPath(path.CStr(), false);
    const char *encoded = key.IsOpen() ? key.readValue(valueName, true, true) : nullptr;
    if (encoded == nullptr)
        return true; // no list, or one the code page cannot hold: left as it is
    // The "__eval:" prefix of an expandable string is kept, so that it is written back with its type.
    const char expandable[] = "__eval:";
    std::string list = encoded;
    std::string kept = std::strncmp(encoded, expandable, sizeof expandable - 1) == 0 ? expandable : "";
    const std::size_t prefix = kept.size();
    bool removed = false, first = true;
    for (std::size_t start = prefix; start <= list.size();) {
        std::size_t end = std::min(list.find(';', start), list.size());
        std::string entry = list.substr(start, end - start);
        if (!entry.empty() && namesFolder(entry, folders)) {
            removed = true;
        } else {
            kept += (first ? "" : ";") + entry;
            first = false;
        }
        start = end + 1;
    }
    if (!removed)
        return true;
    bool written = key.writeValue(valueName, kept.c_str(), false);
    return key.flush() && written;
}
