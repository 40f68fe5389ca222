// UTF-16 to UTF-8 conversion shared by the Windows helper programs of the Wine end-to-end test.
#pragma once

#include <windows.h>

#include <string>

inline std::string utf8(const wchar_t *text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<size_t>(size - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], size, nullptr, nullptr);
    return out;
}
