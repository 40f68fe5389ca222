// The parameter-file lexer: token kinds, escapes, comments and symbol characters.
#include "install/memory_stream.h"
#include "install/param_lexer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Token = std::pair<TokenKind, std::string>;

std::vector<Token> tokens(const std::string &text, const char *comments = "#", const char *symbols = "") {
    MemoryInput in(text);
    ParamLexer lexer(comments, symbols);
    std::vector<Token> result;
    while (lexer.NextToken(in))
        result.emplace_back(lexer.Kind(), std::string(lexer.CStr(), lexer.Length()));
    EXPECT_EQ(lexer.Kind(), TokenKind::End);
    EXPECT_EQ(lexer.Length(), 0);
    return result;
}

} // namespace

TEST(ParamLexer, NumbersWordsAndSigns) {
    std::vector<Token> expected{{TokenKind::Number, "12"},    {TokenKind::Word, "abc"},
                                {TokenKind::Number, "-5"},    {TokenKind::Number, "-2.5"},
                                {TokenKind::Word, "-x"},      {TokenKind::Word, "-"},
                                {TokenKind::Number, "1.2.3"}, {TokenKind::Word, "a=1"}};
    EXPECT_EQ(tokens("12abc -5 -2.5 -x - 1.2.3 a=1"), expected);
}

TEST(ParamLexer, BackslashEscapesOnlyQuoteAndItself) {
    EXPECT_EQ(tokens("\"x\\\"y\\\\z\""), (std::vector<Token>{{TokenKind::Quoted, "x\"y\\z"}}));
    EXPECT_EQ(tokens("\"x\\ny\""), (std::vector<Token>{{TokenKind::Quoted, "x\\ny"}}));
    EXPECT_EQ(tokens("c:\\temp a\\\"b"),
              (std::vector<Token>{{TokenKind::Word, "c:\\temp"}, {TokenKind::Word, "a\"b"}}));
    // An escaped blank stays inside a bare word.
    EXPECT_EQ(tokens("a\\ b"), (std::vector<Token>{{TokenKind::Word, "a\\ b"}}));
}

TEST(ParamLexer, QuotedTokensKeepEverythingAndMayEndWithTheInput) {
    EXPECT_EQ(tokens("\"a # b\t\n+-=\" \"\""),
              (std::vector<Token>{{TokenKind::Quoted, "a # b\t\n+-="}, {TokenKind::Quoted, ""}}));
    EXPECT_EQ(tokens("\"open"), (std::vector<Token>{{TokenKind::Quoted, "open"}}));
    EXPECT_EQ(tokens("\"open\\"), (std::vector<Token>{{TokenKind::Quoted, "open"}}));
}

TEST(ParamLexer, CommentsRunToTheLineEnd) {
    EXPECT_EQ(tokens("# one\r# two\n  a#b # three\n# four"), (std::vector<Token>{{TokenKind::Word, "a#b"}}));
    EXPECT_EQ(tokens("# only a comment"), std::vector<Token>{});
    // Without comment characters '#' is an ordinary word.
    EXPECT_EQ(tokens("# x", "", ""), (std::vector<Token>{{TokenKind::Word, "#"}, {TokenKind::Word, "x"}}));
}

TEST(ParamLexer, SymbolCharactersAreTokensOfTheirOwn) {
    std::vector<Token> expected{{TokenKind::Number, "1.5"}, {TokenKind::Symbol, ","},
                                {TokenKind::Word, "b"},     {TokenKind::Symbol, ","},
                                {TokenKind::Symbol, ","},   {TokenKind::Quoted, "c,d"}};
    EXPECT_EQ(tokens("1.5,b,,\"c,d\"", "", ","), expected);
}
