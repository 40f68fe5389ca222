// The installation description: which configuration folder the first line of "sysinstall.ini"
// names, the contexts found in it, and the paths built for the current context.
#include "support/shell_folders_setup.h"
#include "support/test_machine.h"

#include "core/param_node.h"
#include "core/text_string.h"
#include "install/install_description.h"
#include "integration/file_utils.h"
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

TEST_F(InstallDescription, WithoutADescriptionTheFolderIsBelowLocalApplicationData) {
    TextString folder;
    configFolder(scratch().c_str(), folder);
    EXPECT_EQ(std::string(folder.CStr()), localAppData() + "\\VeltraConfig");
}

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

TEST_F(InstallDescription, ABlankFirstLineStandsForTheDefault) {
    std::string byDefault = localAppData() + "\\VeltraConfig";
    EXPECT_EQ(folderFor(""), byDefault);
    EXPECT_EQ(folderFor("  \t \r\nD:\\Second\r\n"), byDefault);
}

TEST_F(InstallDescription, AFirstLineInAnotherEncodingStaysBelowTheDocumentsFolder) {
    // Read as 8-bit text, UTF-16 "D:\Data" is the mark, a D and a NUL that ends the text: a
    // relative folder, never the absolute one it spells.
    std::string wide = "\xFF\xFE";
    for (char c : std::string("D:\\Data\r\n"))
        wide += {c, '\0'};
    EXPECT_EQ(folderFor(wide), shellFolder(8) + "\\\xFF\xFE" "D");
    EXPECT_EQ(folderFor(std::string(1000000, '\x7F')), shellFolder(8) + "\\" + std::string(359, '\x7F'));
}

TEST_F(InstallDescription, OnlyTheFirst359CharactersOfTheLineAreUsed) {
    std::string line = "D:\\" + std::string(390, 'a') + "bcdefg";
    EXPECT_EQ(folderFor(line + "\r\n"), line.substr(0, 359));
    EXPECT_EQ(folderFor(line.substr(0, 359) + "\r\n"), line.substr(0, 359));
}

TEST_F(InstallDescription, ConfigPathPutsTheContextThenSubThenLeaf) {
    std::string folder = folderFor("D:\\Cfg\n");
    TextString path;
    currentContext.Assign("Etude");
    EXPECT_EQ(std::string(configPath(path, scratch().c_str(), "CfgPrf.ini", "GenAuto")),
              folder + "\\CtxEtude\\GenAuto\\CfgPrf.ini");
    EXPECT_EQ(std::string(configPath(path, scratch().c_str(), nullptr, "GenAuto")),
              folder + "\\CtxEtude\\GenAuto");
    currentContext.Assign(" \t");
    EXPECT_EQ(std::string(configPath(path, scratch().c_str(), "CfgPrf.ini", "GenAuto")),
              folder + "\\GenAuto\\CfgPrf.ini");
    currentContext.Clear();
    EXPECT_EQ(std::string(configPath(path, scratch().c_str(), "x.txt", " ")), folder + "\\x.txt");
    EXPECT_EQ(std::string(configPath(path, scratch().c_str(), nullptr, nullptr)), folder);
}

TEST_F(InstallDescription, ContextsAreTheFoldersNamedCtx) {
    writeBytes("system\\sysinstall.ini", scratchPath("cfg") + "\r\n");
    for (const char *folder : {"cfg", "cfg\\CtxA", "cfg\\CtxB", "cfg\\Other", "cfg\\ctxLower"})
        ASSERT_EQ(makeFolders(scratchPath(folder).c_str(), false), 1) << folder;
    writeBytes("cfg\\CtxC.txt", "file");

    ParamNode contexts(nullptr, nullptr);
    contexts.AddChildBack(new ParamNode("Old", "x"));
    ASSERT_EQ(listContexts(contexts, scratch().c_str(), true), 3);
    EXPECT_STREQ(contexts.ChildAt(0)->Name(), "");
    EXPECT_STREQ(contexts.ChildAt(0)->Value(), "Profil standard");
    std::set<std::string> names;
    for (int i = 1; i < 3; ++i) {
        EXPECT_STREQ(contexts.ChildAt(i)->Name(), contexts.ChildAt(i)->Value());
        names.insert(contexts.ChildAt(i)->Name());
    }
    EXPECT_EQ(names, (std::set<std::string>{"A", "B"}));

    EXPECT_EQ(listContexts(contexts, scratch().c_str(), false), 2);
    EXPECT_EQ(contexts.FindChild(""), nullptr);
}

TEST_F(InstallDescription, AMissingConfigurationFolderHasOnlyTheStandardProfile) {
    writeBytes("system\\sysinstall.ini", scratchPath("absent") + "\r\n");
    ParamNode contexts(nullptr, nullptr);
    testing::internal::CaptureStderr();
    EXPECT_EQ(listContexts(contexts, scratch().c_str(), true), 1);
    std::string diagnostics = testing::internal::GetCapturedStderr();
    EXPECT_STREQ(contexts.ChildAt(0)->Value(), "Profil standard");
    EXPECT_EQ(diagnostics, "Erreur dans l'ouverture du repertoire <" + scratchPath("absent\\*") + ">\n");
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

TEST_F(ContextPaths, ASubFolderGetsItsContextFolderButIsNotCreated) {
    TextString path;
    EXPECT_EQ(std::string(cadFolderPath(path)), contextFolder + "\\DossierCAD");
    EXPECT_EQ(fileExists(contextFolder.c_str()), 1);
    EXPECT_EQ(fileExists(path.CStr()), 0);

    EXPECT_EQ(std::string(configSubPath(path, nullptr)), contextFolder);
    EXPECT_EQ(std::string(genAutoPath(path, nullptr)), contextFolder + "\\GenAuto");
    EXPECT_EQ(fileExists(path.CStr()), 1);
}

} // namespace
