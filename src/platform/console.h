// A console program's arguments and output: the arguments split by the Windows rules and the
// program's texts written so that the console shows them right.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace os {

// The arguments after the program name, in the system code page.
std::vector<std::string> programArguments();

// Writes a text of the system code page to the standard output (or, with toError, the standard error)
// stream: as UTF-8 on Linux; on Windows as Unicode to a console, and as it is to a file or pipe.
void writeConsoleText(std::string_view text, bool toError);

// Writes bytes to the standard output stream as they are (a UTF-8 document).
void writeRawOutput(std::string_view bytes);

} // namespace os
