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

} // namespace
