// Code page 1252 <-> UTF-8 conversion of the sandbox layer.
#include "platform/posix/codepage.h"

#include "platform/cp1252.h"

namespace os {

namespace {

void appendUtf8(std::string &out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

// Length of the valid UTF-8 sequence at text[at] and its code point; 0 when it is not valid.
std::size_t decodeUtf8(std::string_view text, std::size_t at, char32_t &code) {
    unsigned char lead = static_cast<unsigned char>(text[at]);
    std::size_t length = lead < 0x80                   ? 1
                         : lead >= 0xC2 && lead < 0xE0 ? 2
                         : lead >= 0xE0 && lead < 0xF0 ? 3
                         : lead >= 0xF0 && lead < 0xF5 ? 4
                                                       : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t index = 1; index < length; ++index) {
        unsigned char next = static_cast<unsigned char>(text[at + index]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    static const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
        return 0;
    return length;
}

} // namespace

std::string utf8FromCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char character : text)
        appendUtf8(out, unicodeFromCp1252(static_cast<unsigned char>(character)));
    return out;
}

std::string cp1252FromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        std::size_t length = decodeUtf8(text, at, code);
        if (length == 0) {
            out.push_back(text[at]);
            ++at;
        } else {
            out.push_back(static_cast<char>(cp1252FromUnicode(code)));
            at += length;
        }
    }
    return out;
}

} // namespace os
