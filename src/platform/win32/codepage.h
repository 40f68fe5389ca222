// The system's ANSI code page <-> UTF-16 for the Windows layer, which calls the wide-character
// API and converts as an ANSI program's calls would, but refuses a name the code page cannot hold.
#pragma once

#include <cstddef>
#include <string>

namespace os {

// UTF-16 of length characters of the system code page (embedded NULs kept).
std::wstring utf16FromSystem(const char *text, std::size_t length);
// UTF-16 of a NUL-terminated text; a null text gives the empty text.
std::wstring utf16FromSystem(const char *text);

// The system code page form of length UTF-16 code units (embedded NULs kept). False when a
// character has no exact form in it: out then holds '?' for it, to be shown only.
bool systemFromUtf16(const wchar_t *text, std::size_t length, std::string &out);
// The same of a NUL-terminated text; a null text gives the empty text.
bool systemFromUtf16(const wchar_t *text, std::string &out);

} // namespace os
