// Tests of the free text functions: blank tests, comparisons, the code page 1252 fold table.
#include "core/text_functions.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextFunctions, BlankMeansCodesUpTo32Only) {
    EXPECT_EQ(IsBlank(nullptr), 1);
    EXPECT_EQ(IsBlank(""), 1);
    EXPECT_EQ(IsBlank(" \t\r\n"), 1);
    EXPECT_EQ(IsBlank(" \xE9"), 0);
    EXPECT_EQ(IsBlank(" !"), 0);
}

TEST(TextFunctions, EqualityNeedsTwoTexts) {
    EXPECT_EQ(StrEqual(nullptr, nullptr), 0);
    EXPECT_EQ(StrEqual("a", nullptr), 0);
    EXPECT_EQ(StrEqual("ab", "ab"), 1);
    EXPECT_EQ(StrEqual("ab", "abc"), 0);
    EXPECT_EQ(TextEquals("\xE9t\xE9", "ETE", kFoldCase), 1);
    EXPECT_EQ(TextEquals("\xC9t\xE9", "ETE", kFoldCase), 0) << "capital E acute is not folded";
    EXPECT_EQ(TextEquals("a", "A", 0), 0);
    EXPECT_EQ(TextEquals("abc", "AB", kFoldCase), 0);
    EXPECT_EQ(TextEquals(nullptr, "", kFoldCase), 0);
}

TEST(TextFunctions, UpperFoldTableOfCodePage1252) {
    const std::string accented = "\xE0\xE2\xE4\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF6\xF9\xFB\xFC",
                      folded = "AAAEEEEIIOOUUU";
    for (std::size_t i = 0; i < accented.size(); ++i)
        EXPECT_EQ(ToUpperFoldChar(accented[i]), folded[i]) << i;
    int unchanged = 0;
    for (int code = 128; code < 256; ++code) {
        char c = static_cast<char>(code);
        if (accented.find(c) == std::string::npos && ToUpperFoldChar(c) == c)
            ++unchanged;
    }
    EXPECT_EQ(unchanged, 128 - 14) << "every other code above 127 (cedilla, acute, tilde...) stays";
    EXPECT_EQ(ToUpperFoldChar('a'), 'A');
    EXPECT_EQ(ToUpperFoldChar('z'), 'Z');
    EXPECT_EQ(ToUpperFoldChar('{'), '{');
    EXPECT_EQ(ToUpperFoldChar('`'), '`');
}

TEST(TextFunctions, LowerCaseTouchesOnlyAsciiCapitals) {
    char text[] = "AZaz@[\xC9\xE9";
    EXPECT_EQ(ToLowerInPlace(text), text);
    EXPECT_STREQ(text, "azaz@[\xC9\xE9");
    char folded[] = "caf\xE9 \xE7";
    EXPECT_STREQ(ToUpperFoldInPlace(folded), "CAFE \xE7");
    EXPECT_EQ(ToLowerInPlace(nullptr), nullptr);
}
