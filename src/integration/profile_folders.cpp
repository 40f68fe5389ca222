// Adding the add-on's folders to the host profile's support search path and trusted folders.
#include "integration/profile_folders.h"

#include "core/text_string.h"
#include "hosts/host_catalogue.h"
#include "install/install_description.h"
#include "files/file_utils.h"
#include "integration/host_profile.h"
#include "registry/registry_view.h"

int addSupportFolder(const HostVersion &row, bool use64, const char *productKey) {
    RegistryViewScope view(use64 ? 1 : 0);
    TextString folder;
    cadFolderPath(folder);
    makeFolders(folder.CStr(), true);
    const char *section = searchPathSection(row.family);
    const char *valueName = searchPathValue(row.family);
    if (section == nullptr || valueName == nullptr)
        return 0;
    return addToProfilePathList(productKey, section, valueName, folder.CStr(), true);
}

int addTrustedFolder(const HostVersion &row, bool use64, const char *productKey) {
    if (row.family != HostFamily::AutoCad)
        return 0;
    RegistryViewScope view(use64 ? 1 : 0);
    TextString folder(programFolder());
    return addToProfilePathList(productKey, "Variables", "TRUSTEDPATHS", folder.CStr(), false);
}
