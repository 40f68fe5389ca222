// Windows command lines and argument vectors, converted by the rules of the Windows runtime.
#pragma once

#include <string>
#include <vector>

namespace os {

// The arguments of a command line, as the Windows runtime splits it: blanks and tabs separate
// arguments outside double quotes; 2n backslashes before a double quote give n backslashes
// and the quote opens or closes a quoted part, 2n+1 give n backslashes and a literal quote;
// other backslashes are literal; "" inside a quoted part is a literal quote. The first
// argument, the program, ends at the next blank or, when it starts with a quote, at the
// next quote, backslashes included.
std::vector<std::string> splitCommandLine(const std::string &commandLine);

// The command line of an argument vector: arguments separated by one blank; one that is empty
// or holds a blank, a tab or a double quote is enclosed in double quotes, its quotes written
// \" and the backslashes before a quote or before the closing quote doubled.
std::string joinCommandLine(const std::vector<std::string> &arguments);

// The arguments the running process was started with (program name first), code page 1252.
std::vector<std::string> processArguments();

} // namespace os
