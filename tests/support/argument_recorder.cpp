// The recording mode of the test programs, used to check what a started program receives.
#include "support/argument_recorder.h"

#include "support/test_machine.h"

#include <cstdio>
#include <cstdlib>

namespace {
const char recordVariable[] = "VELTRA_TEST_RECORD_FILE";
}

ArgumentRecorder::ArgumentRecorder(const std::string &recordFile) {
    test_machine::setVariable(recordVariable, recordFile.c_str());
}

ArgumentRecorder::~ArgumentRecorder() {
    test_machine::setVariable(recordVariable, nullptr);
}

std::string recorderCommandLine(const std::string &arguments) {
    return "\"" + testProgramPath() + "\" " + arguments;
}

bool recordArgumentsIfAsked(int argc, char **argv, int &exitCode) {
    const char *recordFile = std::getenv(recordVariable);
    if (recordFile == nullptr)
        return false;
    std::FILE *file = std::fopen(recordFile, "wb");
    if (file != nullptr) {
        for (int index = 1; index < argc; ++index)
            std::fprintf(file, "%s\n", argv[index]);
        std::fputs("<end>\n", file);
        std::fclose(file);
    }
    exitCode = file != nullptr ? 0 : 1;
    return true;
}
