// Shell folders on any machine: looking one up by number, and the folder and product variables.
#include "support/shell_folders_setup.h"
#include "support/test_machine.h"

#include "core/param_node.h"
#include "core/text_string.h"
#include "integration/file_utils.h"
#include "vars/shell_folders.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ShellFolders : public TestMachine {
protected:
    void SetUp() override {
        TestMachine::SetUp();
        shell_folders_setup::provide();
    }

    static std::string found(int32_t id, bool common) {
        const char *path = GetShellFolder(nullptr, id, common);
        return path ? path : "<none>";
    }
};

TEST_F(ShellFolders, FoldersAreLookedUpByNumber) {
    ParamNode vars(nullptr, nullptr);
    FillFolderVariables(vars, true, false);
    EXPECT_EQ(found(7, false), vars.GetText("Templates", "")) << "the first row numbered 7";
    EXPECT_NE(found(7, false), vars.GetText("Fonts", ""));
    EXPECT_EQ(found(8, false), vars.GetText("Personal", ""));
    EXPECT_EQ(found(1, true), vars.GetText("CommonDesktop", ""));
    EXPECT_NE(found(1, true), found(1, false));
    EXPECT_EQ(found(9, true), found(9, false)) << "no all-users folder is numbered 9";
    EXPECT_NE(found(9, false), "<none>");
    EXPECT_EQ(found(11, false), "<none>");
    EXPECT_EQ(found(0, true), "<none>");
}

TEST_F(ShellFolders, AnOutputTextReceivesThePathOrIsEmptied) {
    TextString out("before");
    const char *path = GetShellFolder(&out, 8, false);
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path, out.CStr());
    EXPECT_EQ(found(8, false), out.CStr());

    EXPECT_EQ(GetShellFolder(&out, 11, false), nullptr);
    EXPECT_STREQ(out.CStr(), "");
}

TEST_F(ShellFolders, AFillFromEmptyPutsTheProductThenTheCommonThenTheUserFolders) {
    ParamNode vars(nullptr, nullptr);
    vars.AddChildBack(new ParamNode("Autre", "x"));
    FillFolderVariables(vars, true, true);

    std::string names;
    for (int i = 0; i < vars.ChildCount(); ++i)
        names += std::string(vars.ChildAt(i)->Name()) + " ";
    EXPECT_EQ(names,
              "NOM_PRODUIT EDITEUR_SOCIETE STDINSTAL CommonStartup CommonStartMenu CommonPrograms "
              "CommonFavorites CommonDesktop RoamingAppData LocalAppData Fonts Templates SendTo Personal "
              "Startup StartMenu Programs Favorites Desktop ");
    EXPECT_STREQ(vars.GetText("NOM_PRODUIT", nullptr), "Veltra");
    EXPECT_STREQ(vars.GetText("EDITEUR_SOCIETE", nullptr), "Corvanth");
    EXPECT_STREQ(vars.GetText("STDINSTAL", nullptr), programFolder());
}

TEST_F(ShellFolders, AFillWithoutClearingUpdatesExistingVariablesInPlace) {
    ParamNode vars(nullptr, nullptr);
    vars.AddChildBack(new ParamNode("Autre", "x"));
    vars.AddChildBack(new ParamNode("Desktop", "ancien"));
    FillFolderVariables(vars, false, false);

    int count = vars.ChildCount();
    EXPECT_EQ(count, 17) << "sixteen folders, one of them there already, and Autre";
    EXPECT_STREQ(vars.ChildAt(count - 2)->Name(), "Autre");
    EXPECT_STREQ(vars.ChildAt(count - 1)->Name(), "Desktop");
    EXPECT_EQ(found(1, false), vars.ChildAt(count - 1)->Value());
    EXPECT_EQ(vars.FindChild("STDINSTAL"), nullptr);
}

} // namespace
