// The console dialog of the sandbox: dialogs printed as text and driven by commands, one a line.
#pragma once

#include <cstdio>

namespace os {

// The streams the console dialogs read their commands from and print to (null: the standard
// input and output). Both carry UTF-8.
void setConsoleStreams(std::FILE *input, std::FILE *output);

} // namespace os
