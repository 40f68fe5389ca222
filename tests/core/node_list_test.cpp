// Tests of NodeList cells and of the owned heap copies.
#include "core/heap_copy.h"
#include "core/node_list.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Items(NodeList list) {
    std::string items;
    for (NodeCell *cell = list; cell; cell = cell->next)
        items += cell->item ? *static_cast<std::string *>(cell->item) : "-";
    return items;
}

} // namespace

TEST(NodeListCells, PushFrontReversesAndReverseRestoresOrder) {
    NodeList list = nullptr;
    ListReverse(list);
    EXPECT_EQ(list, nullptr);
    NodeCell *first = ListPushFront(list, new std::string("a"));
    EXPECT_EQ(list, first);
    ListReverse(list);
    EXPECT_EQ(list, first);
    ListPushFront(list, new std::string("b"));
    ListPushFront(list, new std::string("c"));
    EXPECT_EQ(Items(list), "cba");
    ListReverse(list);
    EXPECT_EQ(Items(list), "abc");
    EXPECT_EQ(ListCount(list), 3);
    EXPECT_EQ(ListCellAt(list, -1), list);
    EXPECT_EQ(*static_cast<std::string *>(ListCellAt(list, 2)->item), "c");
    EXPECT_EQ(ListCellAt(list, 3), nullptr);
    ListClear<std::string>(list);
    EXPECT_EQ(list, nullptr);
}

TEST(NodeListCells, PushBackAppendsAndAcceptsNullItems) {
    NodeList list = nullptr;
    ListPushBack(list, new std::string("a"));
    ListPushBack(list, new std::string("b"));
    EXPECT_EQ(ListPushBack(list, nullptr)->next, nullptr);
    EXPECT_EQ(Items(list), "ab-");
    ListClear<std::string>(list);
    EXPECT_EQ(list, nullptr);
}

TEST(HeapCopies, DupBytesCopiesTextOrExactBytes) {
    EXPECT_EQ(DupBytes(nullptr, 0), nullptr);
    char *text = DupBytes("abc", 0);
    EXPECT_STREQ(text, "abc");
    char *bytes = DupBytes("abcdef", 3);
    EXPECT_EQ(std::string(bytes, 3), "abc");
    char *withNul = DupBytes("a\0b", 3);
    EXPECT_EQ(std::string(withNul, 3), std::string("a\0b", 3));
    delete[] text;
    delete[] bytes;
    delete[] withNul;
}

TEST(HeapCopies, ReplaceAndFreeManageTheSlot) {
    char *slot = nullptr;
    ReplaceHeapCopy(slot, "first", 0);
    ReplaceHeapCopy(slot, slot + 1, 0);
    EXPECT_STREQ(slot, "irst") << "the source may be the old copy";
    ReplaceHeapCopy(slot, nullptr, 0);
    EXPECT_EQ(slot, nullptr);
    ReplaceHeapCopy(slot, "x", 0);
    FreeHeapCopy(slot);
    EXPECT_EQ(slot, nullptr);
}
