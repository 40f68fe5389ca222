// Get, put-back and whitespace skipping shared by every character input.
#include "install/char_stream.h"

#include <cstring>

bool isStreamWhitespace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int CharInput::get() {
    if (pending != EndOfInput) {
        int c = pending;
        pending = EndOfInput;
        return c;
    }
    if (!isGood)
        return EndOfInput;
    int c = readChar();
    if (c == EndOfInput)
        isGood = false;
    return c;
}

int CharInput::getSkippingWhitespace() {
    int c = get();
    while (isStreamWhitespace(c))
        c = get();
    return c;
}

void CharInput::putBack(int c) {
    if (c != EndOfInput)
        pending = c;
}

void CharOutput::write(const char *text) {
    if (text)
        write(text, std::strlen(text));
}
