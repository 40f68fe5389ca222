// The configuration folder on a sandbox that has no shell folders at all.
#include "support/test_machine.h"

#include "core/text_string.h"
#include "install/install_description.h"
#include "integration/file_utils.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using InstallDescriptionWithoutShellFolders = TestMachine;

TEST_F(InstallDescriptionWithoutShellFolders, ARelativeFolderWithoutDocumentsIsTheProgramFolder) {
    TextString folder;
    EXPECT_EQ(std::string(configFolder(scratch().c_str(), folder)), scratch()) << "LocalAppData unresolved";
    ASSERT_EQ(makeFolders(scratchPath("system").c_str(), false), 1);
    writeBytes("system\\sysinstall.ini", "Work\\Cfg\r\n");
    EXPECT_EQ(std::string(configFolder(scratch().c_str(), folder)), scratch());
    writeBytes("system\\sysinstall.ini", "D:\\LocalAppData\\Cfg\r\n");
    EXPECT_EQ(std::string(configFolder(scratch().c_str(), folder)), "D:\\LocalAppData\\Cfg");
}

} // namespace
