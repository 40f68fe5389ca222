// The console program's arguments and output in the sandbox (see platform/console.h).
#include "platform/console.h"

#include "platform/diagnostic_output.h"
#include "platform/posix/codepage.h"
#include "platform/posix/command_line.h"

#include <cstdio>

namespace os {

std::vector<std::string> programArguments() {
    std::vector<std::string> arguments = processArguments();
    if (!arguments.empty())
        arguments.erase(arguments.begin());
    return arguments;
}

void writeConsoleText(std::string_view text, bool toError) {
    std::string converted = utf8FromSystem(text);
    if (toError) {
        writeDiagnostic(converted);
        return;
    }
    std::fwrite(converted.data(), 1, converted.size(), stdout);
    std::fflush(stdout);
}

void writeRawOutput(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

} // namespace os
