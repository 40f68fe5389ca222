// The programs' own data folder, below the user's local application data folder.
#include "vars/own_data.h"

#include "core/text_string.h"
#include "vars/shell_folders.h"

namespace {

constexpr int localAppDataId = 9; // the "Local AppData" row of the shell folders

} // namespace

std::string ownDataFolder() {
    const char *localAppData = GetShellFolder(nullptr, localAppDataId, false);
    if (localAppData == nullptr || localAppData[0] == '\0')
        return {};
    return std::string(localAppData) + "\\" + productName().CStr();
}

std::string journalFolder() {
    std::string folder = ownDataFolder();
    return folder.empty() ? folder : folder + "\\journal";
}
