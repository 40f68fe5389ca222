// Code page 1252 <-> UTF-16 conversion of the Windows layer.
#include "platform/win32/codepage.h"

#include "platform/cp1252.h"

#include <cstring>
#include <cwchar>

namespace os {

std::wstring utf16FromCp1252(const char *text, std::size_t length) {
    std::wstring wide;
    wide.reserve(length);
    for (std::size_t index = 0; index < length; ++index)
        wide.push_back(static_cast<wchar_t>(unicodeFromCp1252(static_cast<unsigned char>(text[index]))));
    return wide;
}

std::wstring utf16FromCp1252(const char *text) {
    return text == nullptr ? std::wstring() : utf16FromCp1252(text, std::strlen(text));
}

std::string cp1252FromUtf16(const wchar_t *text, std::size_t length) {
    std::string narrow;
    narrow.reserve(length);
    for (std::size_t index = 0; index < length; ++index) {
        char32_t unit = static_cast<char16_t>(text[index]);
        bool highSurrogate = unit >= 0xD800 && unit < 0xDC00;
        if (highSurrogate && index + 1 < length && text[index + 1] >= 0xDC00 && text[index + 1] < 0xE000)
            ++index; // the pair is one character, outside the code page
        narrow.push_back(static_cast<char>(cp1252FromUnicode(unit)));
    }
    return narrow;
}

std::string cp1252FromUtf16(const wchar_t *text) {
    return text == nullptr ? std::string() : cp1252FromUtf16(text, std::wcslen(text));
}

} // namespace os
