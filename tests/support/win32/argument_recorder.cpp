// The Windows half of the argument recorder: the test program's own path, copied where a program
// is expected.
#include "support/argument_recorder.h"

#include "platform/win32/codepage.h"

#include <windows.h>

std::string testProgramPath() {
    wchar_t path[1024];
    DWORD length = GetModuleFileNameW(nullptr, path, 1024);
    std::string narrow;
    return length > 0 && length < 1024 && os::systemFromUtf16(path, narrow) ? narrow : std::string();
}

bool installRecorder(const std::string &windowsPath) {
    return CopyFileW(os::utf16FromSystem(testProgramPath().c_str()).c_str(),
                     os::utf16FromSystem(windowsPath.c_str()).c_str(), FALSE) != 0;
}
