// Code page 1252, the character set of the program's own French texts, and how its characters
// map to Unicode.
#pragma once

#include <string>
#include <string_view>

namespace os {

// The Unicode code point of a code page 1252 character. The five codes Windows leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same value, as Windows does.
char32_t unicodeFromCp1252(unsigned char character);

// UTF-16 of a code page 1252 text, one unit per character (the registry keeps its names and texts
// in UTF-16).
std::u16string u16FromCp1252(std::string_view text);

} // namespace os
