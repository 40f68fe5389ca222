// The shell folders of a user "Test", written to the registry of a machine that has no shell
// folder service, as Windows itself keeps them.
#include "support/shell_folders_setup.h"

#include "platform/registry.h"
#include "platform/shell_folder_service.h"

#include <gtest/gtest.h>

#include <string>

namespace shell_folders_setup {

namespace {

const char *const shellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct Folder {
    const char *name;
    const char *path;
};

const Folder userFolders[] = {
    {"Desktop", "C:\\Users\\Test\\Desktop"},
    {"Favorites", "C:\\Users\\Test\\Favorites"},
    {"Programs", "C:\\Users\\Test\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs"},
    {"Start Menu", "C:\\Users\\Test\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu"},
    {"Startup", "C:\\Users\\Test\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup"},
    {"Personal", "C:\\Users\\Test\\Documents"},
    {"SendTo", "C:\\Users\\Test\\AppData\\Roaming\\Microsoft\\Windows\\SendTo"},
    {"Templates", "C:\\Users\\Test\\AppData\\Roaming\\Microsoft\\Windows\\Templates"},
    {"Fonts", "C:\\Windows\\Fonts"},
    {"Local AppData", "C:\\Users\\Test\\AppData\\Local"},
    {"AppData", "C:\\Users\\Test\\AppData\\Roaming"},
};

const Folder commonFolders[] = {
    {"Common Desktop", "C:\\Users\\Public\\Desktop"},
    {"Common Favorites", "C:\\Users\\Public\\Favorites"},
    {"Common Programs", "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs"},
    {"Common Start Menu", "C:\\ProgramData\\Microsoft\\Windows\\Start Menu"},
    {"Common Startup", "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Startup"},
};

template <std::size_t count> void writeFolders(os::HKey root, const Folder (&folders)[count]) {
    os::HKey key = nullptr;
    ASSERT_EQ(os::regCreateKeyEx(root, shellFoldersKey, os::keyReadWrite, &key, nullptr), os::errorSuccess);
    for (const Folder &folder : folders) {
        std::string data = std::string(folder.path) + '\0';
        EXPECT_EQ(os::regSetValueEx(key, folder.name, os::regSz,
                                    reinterpret_cast<const unsigned char *>(data.data()),
                                    static_cast<std::uint32_t>(data.size())),
                  os::errorSuccess);
    }
    os::regCloseKey(key);
}

} // namespace

void provide() {
    char path[260];
    if (os::shGetFolderPath(0x05, path, sizeof path) != os::shellServiceMissing)
        return;
    writeFolders(os::hkeyCurrentUser, userFolders);
    writeFolders(os::hkeyLocalMachine, commonFolders);
}

} // namespace shell_folders_setup
