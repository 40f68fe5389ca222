// Code page 1252 <-> UTF-8 for the sandbox layer: names in the host file system, program
// arguments and environment strings are UTF-8 on Linux, the program's texts code page 1252.
#pragma once

#include <string>
#include <string_view>

namespace os {

std::string utf8FromCp1252(std::string_view text);

// A character the code page lacks becomes '?'; a byte that does not start a valid UTF-8
// sequence is taken as the code page 1252 character of that byte.
std::string cp1252FromUtf8(std::string_view text);

} // namespace os
