// The installation description: which configuration folder the first line of "sysinstall.ini"
// names, the contexts found in it, and the paths built for the current context.
#include "support/shell_folders_setup.h"
#include "support/test_machine.h"

#include "core/param_node.h"
#include "core/text_string.h"
#include "install/install_description.h"
#include "files/file_utils.h"
#include "vars/shell_folders.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>

namespace {

class InstallDescription : public TestMachine {
protected:
    void SetUp() override {
        TestMachine::SetUp();
        shell_folders_setup::provide();
        ASSERT_EQ(makeFolders(scratchPath("system").c_str(), false), 1);
    }
    void TearDown() override {
        currentContext.Clear();
        TestMachine::TearDown();
    }

    // The configuration folder with the scratch folder as program folder and firstLines as the
    // start of its "sysinstall.ini".
    std::string folderFor(const std::string &firstLines) {
        writeBytes("system\\sysinstall.ini", firstLines);
        TextString folder;
        const char *result = configFolder(scratch().c_str(), folder);
        EXPECT_EQ(result, folder.CStr());
        return result;
    }

    static std::string shellFolder(int32_t id, bool common = false) {
        const char *path = GetShellFolder(nullptr, id, common);
        EXPECT_NE(path, nullptr) << id;
        return path ? path : "";
    }
    static std::string localAppData() { return shellFolder(9); }
};

TEST_F(InstallDescription, TheFirstLineNamesTheFolder) {
    EXPECT_EQ(folderFor("D:\\Data\\Cfg\r\nE:\\Ignored\r\n"), "D:\\Data\\Cfg");
    EXPECT_EQ(folderFor("D:\\Data\\Cfg"), "D:\\Data\\Cfg") << "no line end";
    EXPECT_EQ(folderFor(scratchPath("new") + "\r\n"), scratchPath("new"));
    EXPECT_FALSE(fileExists(scratchPath("new").c_str())) << "the folder is not created";
    EXPECT_EQ(folderFor("Work\\Cfg\r\n"), shellFolder(8) + "\\Work\\Cfg");
    EXPECT_EQ(folderFor("STDDEFAUT\\Sub\n"), localAppData() + "\\VeltraConfig\\Sub");
    EXPECT_EQ(folderFor("D:\\EDITEUR_SOCIETE\\NOM_PRODUIT\n"), "D:\\Corvanth\\Veltra");
    EXPECT_EQ(folderFor("CommonDesktop\\Cfg\n"), shellFolder(1, true) + "\\Cfg");
    EXPECT_EQ(folderFor("Desktop\\Cfg\n"), shellFolder(1) + "\\Cfg");
}

// The path builders work in the configuration folder of the running program, on the machine
// itself: each test uses a context of its own, new to the machine.
class ContextPaths : public InstallDescription {
protected:
    void SetUp() override {
        InstallDescription::SetUp();
        auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        currentContext.Assign(("Essai" + std::to_string(now)).c_str());
        TextString program;
        AssignProgramDir(program);
        TextString folder;
        contextFolder = configPath(folder, program.CStr(), nullptr, nullptr);
        ASSERT_FALSE(fileExists(contextFolder.c_str())) << contextFolder;
    }

    std::string contextFolder;
};

} // namespace
