// The system code page <-> UTF-8 for the sandbox layer: names in the host file system, program
// arguments and environment strings are UTF-8 on Linux, the program's texts are in the code page
// VELTRA_CODEPAGE simulates.
#pragma once

#include <string>
#include <string_view>

namespace os {

// VELTRA_CODEPAGE is read at the first conversion; a process that changes it afterwards calls
// this for the new code page to take effect.
void rereadCodePage();

// Appends the UTF-16 of a text in the system code page to out, as u16FromSystem gives it.
void appendU16FromSystem(std::string_view text, std::u16string &out);

std::string utf8FromSystem(std::string_view text);
std::string utf8FromU16(std::u16string_view text);

// False when a character has no exact form in the code page (out then holds '?' for it, to be
// shown only). A byte that does not start a valid UTF-8 sequence is taken as the code page
// character of that byte.
bool systemFromUtf8(std::string_view text, std::string &out);

} // namespace os
