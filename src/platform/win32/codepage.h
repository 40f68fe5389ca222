// Code page 1252 <-> UTF-16 for the Windows layer, which calls the wide-character API so the
// program behaves the same whatever the system's ANSI code page is.
#pragma once

#include <cstddef>
#include <string>

namespace os {

// UTF-16 of length code page 1252 characters (embedded NULs kept).
std::wstring utf16FromCp1252(const char *text, std::size_t length);
// UTF-16 of a NUL-terminated text; a null text gives the empty text.
std::wstring utf16FromCp1252(const char *text);

// Code page 1252 of length UTF-16 code units (embedded NULs kept); a character the code page
// lacks, a surrogate pair included, becomes one '?'.
std::string cp1252FromUtf16(const wchar_t *text, std::size_t length);
// Code page 1252 of a NUL-terminated text; a null text gives the empty text.
std::string cp1252FromUtf16(const wchar_t *text);

} // namespace os
