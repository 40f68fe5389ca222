// The Windows half of the argument recorder: the test program's own path and the arguments
// the Windows runtime split from its command line.
#include "support/argument_recorder.h"

#include "platform/process.h"
#include "platform/win32/codepage.h"

#include <windows.h>

#include <cstdlib>

std::string testProgramPath() {
    char path[1024];
    unsigned long length = os::getModuleFileName(path, sizeof path);
    return length > 0 && length < sizeof path ? std::string(path, length) : std::string();
}

bool installRecorder(const std::string &windowsPath) {
    return CopyFileW(os::utf16FromCp1252(testProgramPath().c_str()).c_str(),
                     os::utf16FromCp1252(windowsPath.c_str()).c_str(), FALSE) != 0;
}

namespace {

const bool checked = [] {
    recordArgumentsIfAsked(std::vector<std::string>(__argv, __argv + __argc));
    return true;
}();

} // namespace
