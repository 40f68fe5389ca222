// Tests of TextString: storage, the shared empty text, editing operations and path joining; and of
// the text comparisons that fold case and accents.
#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(TextStringStorage, EmptyTextsShareOneEmptyTextAndReleaseGivesTheBuffer) {
    TextString fromNull(nullptr), cleared("abc");
    cleared.Clear();
    EXPECT_EQ(cleared.CStr(), fromNull.CStr()) << "an empty text is never the buffer";
    EXPECT_EQ(fromNull.Release(), nullptr);
    TextString released("abc");
    char *storage = released.Release();
    EXPECT_STREQ(storage, "abc");
    EXPECT_STREQ(released.CStr(), "");
    delete[] storage;
}

TEST(TextStringStorage, AppendingOwnTextSurvivesReallocation) {
    TextString text(std::string(150, 'a').c_str());
    text.Append(text.CStr(), -1);
    EXPECT_EQ(text.Length(), 300);
    EXPECT_EQ(std::string(text.CStr()), std::string(300, 'a'));
    text.Assign(text.CStr() + 290);
    EXPECT_EQ(std::string(text.CStr()), std::string(10, 'a'));
}

TEST(TextStringEditing, ReplaceNormaliseAndTrim) {
    const struct {
        const char *before;
        void (*edit)(TextString &);
        const char *after;
    } cases[] = {
        {"aab", [](TextString &t) { t.ReplaceAll("ab", "b"); }, "ab"},  // one left-to-right pass
        {"aaaa", [](TextString &t) { t.ReplaceAll("aa", "a"); }, "aa"}, // matches do not overlap
        {"x.y.z", [](TextString &t) { t.ReplaceAll(".", nullptr); }, "xyz"},
        {"abc", [](TextString &t) { t.ReplaceAll("", "q"); }, "abc"},
        {"a/b\\c", [](TextString &t) { t.ToForwardSlashes(); }, "a/b/c"},
        {"a\r\nb\rc", [](TextString &t) { t.NormaliseLineEnds(); }, "a\nbc"},
        {"abc \t\r\n", [](TextString &t) { t.TrimRight(-1); }, "abc"},
        {"   ", [](TextString &t) { t.TrimRight(-1); }, ""},
        {"a//", [](TextString &t) { t.TrimRight('/'); }, "a"},
        {"x\xA0", [](TextString &t) { t.TrimRight(-1); }, "x\xA0"}, // codes above 127 are not blanks
    };
    for (const auto &c : cases) {
        TextString text(c.before);
        c.edit(text);
        EXPECT_STREQ(text.CStr(), c.after) << c.before;
        EXPECT_EQ(text.Length(), static_cast<int>(std::strlen(c.after))) << c.before;
    }
}

TEST(TextStringEditing, ReplaceAllFromListAppliesEveryPairInOrder) {
    ParamNode table(nullptr, nullptr, 0);
    table.AddChildBack(new ParamNode("$A", "$B", 0));
    table.AddChildBack(new ParamNode("$B", "b", 0));
    TextString text("$A-$B");
    text.ReplaceAllFromList(table);
    EXPECT_STREQ(text.CStr(), "b-b");
}

TEST(TextStringPath, JoinPathAddsOneSeparatorBetweenComponents) {
    const struct {
        const char *path, *name, *directory;
        int noTrailingSeparator;
        const char *joined;
    } cases[] = {
        {"D:\\prog", "f.txt", "sub", 1, "D:\\prog\\sub\\f.txt"},
        {"D:\\prog\\", "f.txt", "sub", 0, "D:\\prog\\sub\\f.txt"},
        {"D:/x/", nullptr, nullptr, 0, "D:/x/"},
        {"D:/x", nullptr, nullptr, 0, "D:/x\\"},
        {"D:/x", nullptr, nullptr, 1, "D:/x"},
        {"", nullptr, nullptr, 0, "\\"},
        {"C:", "a/b", nullptr, 0, "C:\\a/b"}, // separators inside components stay untouched
    };
    for (const auto &c : cases) {
        TextString path(c.path);
        path.JoinPath(c.name, c.directory, c.noTrailingSeparator);
        EXPECT_STREQ(path.CStr(), c.joined) << c.path;
    }
}

TEST(TextComparison, FoldingTakesCaseAndLowerCaseAccentsButNotCapitalOnes) {
    EXPECT_EQ(TextEquals("\xE9t\xE9", "ETE", 1), 1);
    EXPECT_EQ(TextEquals("\xC9t\xE9", "ETE", 1), 0) << "a capital \xC9 is not folded";
    EXPECT_EQ(TextEquals("a", "A", 0), 0);
    EXPECT_EQ(TextEquals("ETE", "\xE9t", 1), 0) << "texts of different lengths";
    EXPECT_EQ(TextEquals(nullptr, nullptr, 1), 0);
    EXPECT_STREQ(RepeatText(3, "ab"), "ababab");
    EXPECT_STREQ(RepeatText(0, "ab"), "");
}
