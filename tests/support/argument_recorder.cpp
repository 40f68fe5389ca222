// The recording mode of the test programs, used to check what a started program receives.
#include "support/argument_recorder.h"

#include "platform/file_stream.h"

#include <cstdio>
#include <cstdlib>

namespace {
const char recordOption[] = "--record-arguments";
}

std::string recorderCommandLine(const std::string &outputFile, const std::string &arguments) {
    return "\"" + testProgramPath() + "\" " + recordOption + " \"" + outputFile + "\" " + arguments;
}

void recordArgumentsIfAsked(const std::vector<std::string> &arguments) {
    if (arguments.size() < 3 || arguments[1] != recordOption)
        return;
    std::FILE *file = os::openFile(arguments[2].c_str(), "wb");
    if (file != nullptr) {
        for (std::size_t index = 3; index < arguments.size(); ++index)
            std::fprintf(file, "%s\n", arguments[index].c_str());
        std::fputs("<end>\n", file);
        std::fclose(file);
    }
    std::exit(file != nullptr ? 0 : 1);
}
