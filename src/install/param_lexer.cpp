// Tokenizing parameter files and other token texts.
#include "install/param_lexer.h"

#include "core/heap_copy.h"
#include "install/char_stream.h"

#include <cstdlib>
#include <cstring>

namespace {

bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

bool inSet(const char *set, int c) {
    if (c <= 0)
        return false;
    for (const char *p = set; *p; ++p)
        if (static_cast<unsigned char>(*p) == c)
            return true;
    return false;
}

} // namespace

ParamLexer::ParamLexer(const char *comments, const char *symbols)
    : TextString(nullptr), kind(TokenKind::End), number(0),
      commentChars(DupBytes(comments ? comments : "", 0)), symbolChars(DupBytes(symbols ? symbols : "", 0)) {}

ParamLexer::~ParamLexer() {
    FreeHeapCopy(commentChars);
    FreeHeapCopy(symbolChars);
}

bool ParamLexer::isComment(int c) const {
    return inSet(commentChars, c);
}

bool ParamLexer::isSymbol(int c) const {
    return inSet(symbolChars, c);
}

int ParamLexer::NextToken(CharInput &in) {
    Clear();
    number = 0;
    kind = TokenKind::End;

    int c = in.getSkippingWhitespace();
    while (c != CharInput::EndOfInput && isComment(c)) {
        SkipLine(in);
        c = in.getSkippingWhitespace();
    }
    if (c == CharInput::EndOfInput)
        return 0;

    bool quoted = false;
    if (isDigit(c)) {
        kind = TokenKind::Number;
        AppendChar(static_cast<char>(c));
    } else if (c == '"') {
        kind = TokenKind::Quoted;
        quoted = true;
    } else if (isSymbol(c)) {
        kind = TokenKind::Symbol;
        AppendChar(static_cast<char>(c));
        return 1;
    } else {
        kind = TokenKind::Word;
        AppendChar(static_cast<char>(c));
    }

    int next = in.get();
    if (!quoted && c == '-' && isDigit(next))
        kind = TokenKind::Number;

    for (c = next; c != CharInput::EndOfInput; c = in.get()) {
        if (quoted) {
            if (c == '"')
                break;
        } else {
            if (c <= ' ')
                break;
            if (isSymbol(c) || (kind == TokenKind::Number && !isDigit(c) && c != '.')) {
                in.putBack(c);
                break;
            }
        }
        if (c == '\\') {
            c = in.get();
            if (c == CharInput::EndOfInput)
                break;
            if (c != '"' && c != '\\')
                AppendChar('\\');
        }
        AppendChar(static_cast<char>(c));
    }
    number = std::atof(CStr());
    return 1;
}

int SkipLine(CharInput &in) {
    for (int c = in.get(); c != CharInput::EndOfInput; c = in.get())
        if (c == '\r' || c == '\n')
            break;
    return in.good() ? 1 : 0;
}
