// The running program and program start on Windows, through the wide-character API.
#include "platform/process.h"

#include "platform/out_buffer.h"
#include "platform/win32/codepage.h"

#include <windows.h>

namespace os {

unsigned long getModuleFileName(char *buffer, unsigned long size) {
    std::wstring name(32768, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0 || length >= name.size())
        return 0;
    std::string narrow;
    if (!systemFromUtf16(name.c_str(), length, narrow))
        return 0; // a path the code page cannot hold names no file
    return copyTruncated(narrow, buffer, size);
}

const char *getCommandLine() {
    static const std::string commandLine = [] {
        std::string narrow;
        systemFromUtf16(GetCommandLineW(), narrow); // as GetCommandLineA: '?' for a lost character
        return narrow;
    }();
    return commandLine.c_str();
}

unsigned long processId() {
    return GetCurrentProcessId();
}

unsigned long createProcess(const char *commandLine) {
    std::wstring line = utf16FromSystem(commandLine); // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return GetLastError();
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

} // namespace os
