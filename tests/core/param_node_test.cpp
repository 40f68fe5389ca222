// Tests of ParamNode values, child look-ups, paths, splitting and references.
#include "core/param_node.h"
#include "core/text_functions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string ChildNames(const ParamNode &node) {
    std::string names;
    for (NodeCell *cell = node.Children(); cell; cell = cell->next)
        names += std::string(ParamNodeOf(cell)->Name() ? ParamNodeOf(cell)->Name() : "(null)") + ",";
    return names;
}

// A dictionary list p, q, r built in that order.
NodeList PqrList() {
    NodeList list = nullptr;
    for (const char *name : {"r", "q", "p"})
        ListPushFront(list, new ParamNode(name, (std::string("value of ") + name).c_str(), 0));
    return list;
}

} // namespace

TEST(ParamNodeChildren, ReversalOfOneLevelOrOfTheWholeTree) {
    ParamNode root(nullptr, nullptr, 0);
    ParamNode *a = new ParamNode("a", nullptr, 0);
    a->AddChildBack(new ParamNode("x", nullptr, 0));
    a->AddChildBack(new ParamNode("y", nullptr, 0));
    root.AddChildBack(a);
    root.AddChildBack(new ParamNode("b", nullptr, 0));

    root.ReverseChildren(false);
    EXPECT_EQ(ChildNames(root), "b,a,");
    EXPECT_EQ(ChildNames(*a), "x,y,");
    root.ReverseChildren(true);
    EXPECT_EQ(ChildNames(root), "a,b,");
    EXPECT_EQ(ChildNames(*a), "y,x,");
    a->SetValue("label and more", 5);
    EXPECT_STREQ(a->Value(), "label") << "a value given with its length";
    EXPECT_EQ(ChildNames(*a), "y,x,") << "a new value keeps the children";
    a->ClearValue();
    EXPECT_EQ(ChildNames(*a), "y,x,") << "so does clearing the value";
    a->ClearValue(true);
    EXPECT_EQ(ChildNames(*a), "") << "unless the children are cleared too";
}

TEST(ParamNodePaths, FindPathWalksComponentsIncludingEmptyOnes) {
    ParamNode root(nullptr, nullptr, 0);
    ParamNode *b = root.FindPath("a/b", true);
    ASSERT_NE(b, nullptr);
    EXPECT_STREQ(b->Name(), "b");
    EXPECT_EQ(root.FindPath("a/b", false), b);
    EXPECT_EQ(root.FindPath("a/c/d", false), nullptr);
    EXPECT_EQ(root.FindPath("a/", false), nullptr);
    EXPECT_EQ(root.FindPath("a", false), root.ChildAt(0));

    ParamNode *emptyNamed = root.FindPath("a/", true);
    ASSERT_NE(emptyNamed, nullptr);
    EXPECT_STREQ(emptyNamed->Name(), "");
    EXPECT_EQ(root.FindPath("a/", false), emptyNamed);
    EXPECT_NE(root.FindPath("//x", true), nullptr);
    EXPECT_NE(root.FindPath("", false), nullptr) << "the empty-named child made by //x";
    EXPECT_EQ(root.FindPath("A/b", false), nullptr) << "components compare byte for byte";

    NodeList list = root.Children();
    EXPECT_EQ(FindPathInList(list, "a/b"), b);
}

TEST(ParamNodeSplit, PiecesBetweenWholeSeparators) {
    ParamNode node(nullptr, nullptr, 0);
    EXPECT_EQ(node.SplitIntoChildren("x;y;", ";"), 3);
    EXPECT_EQ(ChildNames(node), "x,y,,");
    EXPECT_STREQ(node.ChildAt(1)->Value(), "y");
    EXPECT_EQ(node.SplitIntoChildren("", ";"), 1);
    EXPECT_STREQ(node.ChildAt(0)->Name(), "");
    EXPECT_STREQ(node.ChildAt(0)->Value(), "");
    EXPECT_EQ(node.SplitIntoChildren(nullptr, ";"), 1);
    EXPECT_EQ(node.SplitIntoChildren("a::b:c::", "::"), 3);
    EXPECT_EQ(ChildNames(node), "a,b:c,,");
    EXPECT_EQ(node.SplitIntoChildren(node.ChildAt(1)->Value(), ":"), 2);
    EXPECT_EQ(ChildNames(node), "b,c,");
}

TEST(ParamNodeDictionary, ListLookUpsAndInsertions) {
    NodeList list = PqrList();
    EXPECT_STREQ(FindInList(list, "q")->Value(), "value of q");
    EXPECT_EQ(FindInList(list, "Q"), nullptr);
    EXPECT_STREQ(FindInListByValue(list, "value of r")->Name(), "r");

    SetTextInList(list, "q", "changed", 0);
    SetIntInList(list, "s", 42);
    EXPECT_STREQ(ParamNodeOf(list)->Name(), "s") << "new names go to the front";
    EXPECT_EQ(ListCount(list), 4);
    int found = -1;
    EXPECT_STREQ(GetTextInList(list, "q", &found, false), "changed");
    EXPECT_EQ(found, 1);
    EXPECT_EQ(GetTextInList(list, "t", &found, false), nullptr);
    EXPECT_EQ(found, 0);
    EXPECT_EQ(FindOrAddInList(list, "s")->AsInt(), 42);
    EXPECT_EQ(ListCount(list), 4);
    ListClear<ParamNode>(list);
}

TEST(ParamNodeDictionary, ReferencesByNameOrNumber) {
    NodeList numbered = PqrList();
    NodeList list = nullptr;
    SetTextInList(list, "other", "target", 0);
    SetTextInList(list, "-5", "minus five", 0);
    SetTextInList(list, "ref", "$other", 0);
    SetTextInList(list, "dangling", "$missing", 0);
    SetTextInList(list, "numeric", "$1", 0);
    SetTextInList(list, "9", "named nine", 0);

    EXPECT_STREQ(LookupReference("2", list, numbered), "value of r");
    EXPECT_STREQ(LookupReference("1", list, numbered), "value of q");
    EXPECT_STREQ(LookupReference("0", list, numbered), "value of p");
    EXPECT_EQ(LookupReference("9", list, numbered), nullptr) << "digits name a numbered entry";
    EXPECT_EQ(LookupReference("99999999999999999999", list, numbered), nullptr);
    EXPECT_EQ(LookupReference("0", list, nullptr), nullptr);
    EXPECT_STREQ(LookupReference("-5", list, numbered), "minus five");
    EXPECT_STREQ(LookupReference("other", list, numbered), "target");

    int found = -1;
    EXPECT_STREQ(GetTextInList(list, "ref", &found, true), "target");
    EXPECT_STREQ(GetTextInList(list, "ref", &found, false), "$other");
    EXPECT_EQ(GetTextInList(list, "dangling", &found, true), nullptr);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(GetTextInList(list, "numeric", &found, true), nullptr);
    EXPECT_STREQ(FindInList(list, "other")->ResolvedValue(list), "target");
    ListClear<ParamNode>(list);
    ListClear<ParamNode>(numbered);
}
