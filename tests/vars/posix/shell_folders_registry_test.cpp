// Shell folders on a machine without the shell folder service (the sandbox): the registry values
// "Shell Folders", then "User Shell Folders" with their environment references expanded.
#include "support/registry_machine.h"

#include "core/param_node.h"
#include "vars/shell_folders.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

const char *const shellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char *const userShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// The folder values live in the sandbox's registry, which goes with the machine after each test.
class ShellFoldersFromRegistry : public RegistryMachine {
protected:
    void write(os::HKey root, const char *key, const char *name, const std::string &text,
               std::uint32_t type = os::regSz) {
        os::HKey opened = createKey(root, key);
        setValue(opened, name, type, text + '\0');
        os::regCloseKey(opened);
    }
};

std::string found(int32_t id, bool common) {
    const char *path = GetShellFolder(nullptr, id, common);
    return path ? path : "<none>";
}

TEST_F(ShellFoldersFromRegistry, ShellFoldersComeFirstThenUserShellFoldersExpanded) {
    test_machine::setVariable("USERPROFILE", "C:\\Users\\\xC9lise");
    write(os::hkeyCurrentUser, userShellFolders, "Desktop", "%USERPROFILE%\\Desktop", os::regExpandSz);
    EXPECT_EQ(found(1, false), "C:\\Users\\\xC9lise\\Desktop");

    write(os::hkeyCurrentUser, shellFolders, "Desktop", "D:\\Bureau");
    EXPECT_EQ(found(1, false), "D:\\Bureau");
    const std::string longest = "D:\\" + std::string(355, 'x'); // 358 characters and the NUL: taken whole
    write(os::hkeyCurrentUser, shellFolders, "Desktop", longest);
    EXPECT_EQ(found(1, false), longest);

    write(os::hkeyCurrentUser, shellFolders, "Desktop", "");
    EXPECT_EQ(found(1, false), "<none>") << "an empty value ends the search";
    test_machine::setVariable("USERPROFILE", nullptr);
}

TEST_F(ShellFoldersFromRegistry, TheUserFolderStandsInForAMissingCommonFolder) {
    write(os::hkeyCurrentUser, shellFolders, "Start Menu", "C:\\Users\\Test\\Menu");
    write(os::hkeyCurrentUser, shellFolders, "Desktop", "C:\\Users\\Test\\Desktop");
    write(os::hkeyLocalMachine, shellFolders, "Common Desktop", "C:\\Users\\Public\\Desktop");
    EXPECT_EQ(found(2, true), "C:\\Users\\Test\\Menu");
    EXPECT_EQ(found(1, true), "C:\\Users\\Public\\Desktop");

    ParamNode vars(nullptr, nullptr);
    FillFolderVariables(vars, true, false);
    EXPECT_EQ(vars.ChildCount(), 4);
    EXPECT_STREQ(vars.GetText("CommonStartMenu", nullptr), "C:\\Users\\Test\\Menu");
    EXPECT_STREQ(vars.GetText("StartMenu", nullptr), "C:\\Users\\Test\\Menu");
    EXPECT_STREQ(vars.GetText("CommonDesktop", nullptr), "C:\\Users\\Public\\Desktop");
    EXPECT_STREQ(vars.GetText("Desktop", nullptr), "C:\\Users\\Test\\Desktop");

    FillFolderVariables(vars, true, false, "CommonDesktop\\Veltra"); // holds "Desktop" too, not "StartMenu"
    EXPECT_EQ(vars.ChildCount(), 2);
    EXPECT_EQ(vars.FindChild("StartMenu", false), nullptr);
}

} // namespace
