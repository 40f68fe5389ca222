// Shell folders on Windows, where the shell folder service answers for every folder.
#include "core/param_node.h"
#include "platform/shell_folder_service.h"
#include "vars/shell_folders.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool endsWith(const std::string &text, const std::string &ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

TEST(ShellFolderService, EveryFolderVariableHoldsTheServicesPath) {
    ParamNode vars(nullptr, nullptr);
    FillFolderVariables(vars, true, false);
    EXPECT_EQ(vars.ChildCount(), 16);
    for (const ShellFolderRow *table : {userShellFolders, commonShellFolders}) {
        for (const ShellFolderRow *row = table; row->registryValue; ++row) {
            char path[260];
            ASSERT_EQ(os::shGetFolderPath(row->csidl, path, sizeof path), os::shellFolderFound)
                << row->variable;
            EXPECT_STREQ(vars.GetText(row->variable, nullptr), path) << row->variable;
        }
    }
    EXPECT_TRUE(endsWith(vars.GetText("Fonts", ""), "\\Fonts")) << vars.GetText("Fonts", "");
    EXPECT_TRUE(endsWith(vars.GetText("Templates", ""), "\\Templates")) << vars.GetText("Templates", "");
}

TEST(ShellFolderService, APathThatDoesNotFitIsNotGiven) {
    char path[4] = "x";
    EXPECT_NE(os::shGetFolderPath(0x05, path, sizeof path), os::shellFolderFound);
    EXPECT_STREQ(path, "");
}

} // namespace
