// The console program's arguments and output on Windows (see platform/console.h).
#include "platform/console.h"

#include "platform/diagnostic_output.h"
#include "platform/win32/codepage.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

namespace os {

namespace {

// Writes text to stream with each line end as CR LF, the bytes the text mode would write, but in
// binary mode: Wine's C runtime asks the console mode once per character written in text mode.
void writeWithCrLf(std::FILE *stream, std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    std::fflush(stream);
    int previous = _setmode(_fileno(stream), _O_BINARY);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
    if (previous != -1)
        _setmode(_fileno(stream), previous);
}

} // namespace

std::vector<std::string> programArguments() {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t **words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr)
        return arguments;
    for (int index = 1; index < count; ++index) {
        std::string argument;
        systemFromUtf16(words[index], argument);
        arguments.push_back(argument);
    }
    LocalFree(words);
    return arguments;
}

void writeConsoleText(std::string_view text, bool toError) {
    std::FILE *stream = toError ? stderr : stdout;
    std::fflush(stream);
    HANDLE handle = GetStdHandle(toError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)) {
        std::wstring wide = utf16FromSystem(text.data(), text.size());
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        if (toError)
            copyDiagnostic(text);
        return;
    }
    if (toError) {
        writeDiagnostic(text);
        return;
    }
    writeWithCrLf(stream, text);
}

void writeRawOutput(std::string_view bytes) {
    writeWithCrLf(stdout, bytes);
}

} // namespace os
