// NodeCombo: entries from the bound nodes, selection by label, name or node, and the node behind
// the selected entry.
#include "core/param_node.h"
#include "support/fake_dialog.h"
#include "widgets/node_combo.h"

#include <gtest/gtest.h>

namespace {

// A list of nodes (name, value).
NodeList makeList(std::initializer_list<std::pair<const char *, const char *>> pairs) {
    NodeList list = nullptr;
    for (const auto &pair : pairs)
        ListPushBack(list, new ParamNode(pair.first, pair.second));
    return list;
}

TEST(NodeComboTest, ShowsValuesAndFindsTheSelectedNode) {
    os::MemoryComboBox combo;
    NodeCombo binding(&combo);
    NodeList languages = makeList({{"FRA", "Fran\xE7"
                                           "ais"},
                                   {"ENU", "English"},
                                   {"DEU", "Deutsch"}});
    binding.Bind(languages, true);
    EXPECT_EQ(entryTexts(combo), (std::vector<std::string>{"Fran\xE7"
                                                       "ais",
                                                       "English", "Deutsch"}));

    EXPECT_EQ(binding.SelectedText(), nullptr);
    EXPECT_EQ(binding.SelectedNode(), nullptr);

    EXPECT_EQ(binding.SelectByName("ENU"), 1);
    EXPECT_STREQ(binding.SelectedText(), "English");
    EXPECT_STREQ(binding.SelectedNode()->Name(), "ENU");
    EXPECT_STREQ(binding.SelectedNode("Deutsch")->Name(), "DEU");
    EXPECT_EQ(binding.SelectedNode("DEU"), nullptr) << "entries show values: found by value";

    EXPECT_EQ(binding.SelectByName("ITA"), 0);
    EXPECT_STREQ(binding.SelectedText(), "English") << "a failed selection keeps the previous one";
    EXPECT_EQ(binding.SelectNode(ParamNodeOf(languages)), 1);
    EXPECT_EQ(combo.GetCurSel(), 0);
    EXPECT_EQ(binding.SelectNode(nullptr), 0);
}

TEST(NodeComboTest, SelectLabelIsAPrefixSearchWithoutCase) {
    os::MemoryComboBox combo;
    NodeCombo binding(&combo);
    binding.Bind(makeList({{"a", "AutoCAD 2024"}, {"b", "AutoCAD LT 2024"}, {"c", "BricsCAD V24"}}), true);
    EXPECT_EQ(binding.SelectLabel("autocad lt"), 1);
    EXPECT_STREQ(binding.SelectedText(), "AutoCAD LT 2024");
    EXPECT_EQ(binding.SelectLabel("AutoCAD"), 1);
    EXPECT_STREQ(binding.SelectedText(), "AutoCAD 2024");
    EXPECT_EQ(binding.SelectLabel("ZWCAD"), 0);
    EXPECT_EQ(binding.SelectLabel(nullptr), 0);
}

TEST(NodeComboTest, ShowingNamesFindsByName) {
    os::MemoryComboBox combo;
    NodeCombo binding(&combo);
    ParamNode owner(nullptr, nullptr);
    owner.AddChildBack(new ParamNode("Etude", "C:\\Etude"));
    owner.AddChildBack(new ParamNode("Atelier", "C:\\Atelier"));
    binding.Bind(owner.Children(), false, 0);
    EXPECT_EQ(entryTexts(combo), (std::vector<std::string>{"Etude", "Atelier"}));
    EXPECT_STREQ(binding.Label(owner.ChildAt(1)), "Atelier");
    EXPECT_EQ(binding.SelectNode(owner.ChildAt(1)), 1);
    EXPECT_EQ(binding.SelectedNode(), owner.ChildAt(1));

    // Rebinding with nodes it does not own leaves them to their owner (the test's node).
    binding.Bind(makeList({{"x", "X"}}), true);
    EXPECT_EQ(entryTexts(combo), (std::vector<std::string>{"X"}));
    EXPECT_EQ(owner.ChildCount(), 2);
    binding.Bind(owner.Children(), false);
    EXPECT_EQ(entryTexts(combo), (std::vector<std::string>{"C:\\Etude", "C:\\Atelier"}));
}

} // namespace
