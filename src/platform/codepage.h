// The system's ANSI code page: the 8-bit character set of the names the program gets from and
// gives to the system (registry, files, environment), as for an ANSI Windows program.
#pragma once

#include <string>
#include <string_view>

namespace os {

// The number of the code page: GetACP() on Windows, VELTRA_CODEPAGE (1252 unless set) in the
// sandbox.
unsigned systemCodePage();

// True for the double-byte code pages (932, 936, 949, 950), where the second byte of a character
// may be '\'. On those systems a name that is not plain ASCII is treated as unusable, so that no
// path is ever split or joined in the middle of a character.
inline bool isDoubleByteCodePage(unsigned codePage) {
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

// UTF-16 of a text in the system code page. A byte with no character in the code page becomes the
// code point of the same value, as Windows does.
std::u16string u16FromSystem(std::string_view text);

// The system code page form of UTF-16. False when a character has no exact form in it (best-fit
// substitutes count as lost; on a double-byte code page every character outside ASCII does): out
// then holds '?' for it and may only be shown, never used as a name.
bool systemFromU16(std::u16string_view text, std::string &out);

} // namespace os
