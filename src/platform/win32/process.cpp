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
    return copyTruncated(cp1252FromUtf16(name.c_str(), length), buffer, size);
}

const char *getCommandLine() {
    static const std::string commandLine = cp1252FromUtf16(GetCommandLineW());
    return commandLine.c_str();
}

unsigned long createProcess(const char *commandLine) {
    std::wstring line = utf16FromCp1252(commandLine); // CreateProcessW may write into it
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
