// The tokenizer of parameter files: bare words, double-quoted strings, numbers and one-character
// symbols, with comments that run to the end of the line. The token text is the string itself.
#pragma once

#include "core/text_string.h"

class CharInput;

enum class TokenKind { Word = 0, Quoted = 1, Number = 2, Symbol = 3, End = 4 };

class ParamLexer : public TextString {
public:
    // Both character sets are copied; null is taken as the empty set.
    ParamLexer(const char *commentChars, const char *symbolChars);
    ~ParamLexer() override;
    ParamLexer(const ParamLexer &) = delete;
    ParamLexer &operator=(const ParamLexer &) = delete;

    // Reads the next token; 1 when one was read, 0 at the end of the input.
    int NextToken(CharInput &in);

    TokenKind Kind() const { return kind; }
    // The token read as a decimal number (atof); 0 for symbols and at the end.
    double Number() const { return number; }

private:
    bool isComment(int c) const;
    bool isSymbol(int c) const;

    TokenKind kind;
    double number;
    char *commentChars;
    char *symbolChars;
};

// Consumes characters up to and including the next carriage return or line feed; 1 while the
// stream is good.
int SkipLine(CharInput &in);
