// The system's ANSI code page on Windows: GetACP(), converted by the system itself, with the
// best-fit substitutes refused so that no character is silently changed into another.
#include "platform/win32/codepage.h"

#include "platform/codepage.h"

#include <cwchar>
#include <cstring>
#include <windows.h>

namespace os {

unsigned systemCodePage() {
    return GetACP();
}

std::wstring utf16FromSystem(const char *text, std::size_t length) {
    if (length == 0)
        return std::wstring();
    int size = static_cast<int>(length);
    int needed = MultiByteToWideChar(CP_ACP, 0, text, size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
    if (needed > 0)
        MultiByteToWideChar(CP_ACP, 0, text, size, &wide[0], needed);
    return wide;
}

std::wstring utf16FromSystem(const char *text) {
    return text == nullptr ? std::wstring() : utf16FromSystem(text, std::strlen(text));
}

bool systemFromUtf16(const wchar_t *text, std::size_t length, std::string &out) {
    out.clear();
    if (length == 0)
        return true;
    bool exact = true;
    if (isDoubleByteCodePage(GetACP())) {
        for (std::size_t at = 0; at < length; ++at) {
            bool pair = text[at] >= 0xD800 && text[at] < 0xDC00 && at + 1 < length && text[at + 1] >= 0xDC00 &&
                        text[at + 1] < 0xE000;
            exact = exact && text[at] < 0x80;
            out.push_back(text[at] < 0x80 ? static_cast<char>(text[at]) : '?');
            at += pair ? 1 : 0;
        }
        return exact;
    }
    // UTF-8 as the ANSI code page takes neither the flag nor the default character.
    bool utf8 = GetACP() == CP_UTF8;
    DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL *lost = utf8 ? nullptr : &usedDefault;
    int size = static_cast<int>(length);
    int needed = WideCharToMultiByte(CP_ACP, flags, text, size, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return false;
    out.resize(static_cast<std::size_t>(needed));
    WideCharToMultiByte(CP_ACP, flags, text, size, &out[0], needed, nullptr, lost);
    return usedDefault == FALSE;
}

bool systemFromUtf16(const wchar_t *text, std::string &out) {
    return systemFromUtf16(text, text == nullptr ? 0 : std::wcslen(text), out);
}

std::u16string u16FromSystem(std::string_view text) {
    std::wstring wide = utf16FromSystem(text.data(), text.size());
    return std::u16string(wide.begin(), wide.end());
}

bool systemFromU16(std::u16string_view text, std::string &out) {
    std::wstring wide(text.begin(), text.end());
    return systemFromUtf16(wide.data(), wide.size(), out);
}

} // namespace os
