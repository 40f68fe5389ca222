// The running program and the programs it starts, shaped like GetModuleFileNameA,
// GetCommandLineA and CreateProcessA. Texts are in the system code page.
#pragma once

namespace os {

// The full file name of the running executable, as GetModuleFileNameA(NULL, buffer, size):
// returns the length copied without the NUL. When the name does not fit, buffer holds its first
// size - 1 characters and a NUL and size is returned. 0 on failure (buffer then unspecified).
unsigned long getModuleFileName(char *buffer, unsigned long size);

// The command line the process was started with, as one text (program name first). Valid
// until the process ends; never null.
const char *getCommandLine();

// The running process's identifier, as GetCurrentProcessId.
unsigned long processId();

// Starts the program named by the first word of commandLine (the Windows quoting rules apply)
// with that whole command line, in the caller's current folder and environment, without
// waiting for it and without keeping any handle to it. Returns 0 (errorSuccess) when it
// started, else a Win32 error code: 2 (errorFileNotFound) for a missing or non-executable
// program.
unsigned long createProcess(const char *commandLine);

} // namespace os
