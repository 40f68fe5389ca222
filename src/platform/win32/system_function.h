// Functions of system DLLs taken at run time, so a DLL the program needs only later (the shell,
// COM, the common controls) costs nothing before its first use.
#pragma once

#include <windows.h>

namespace os {

// The export name of library (loaded when not already), as a Function; null when the library or
// the export is missing. The library stays loaded for the rest of the process.
template <typename Function> Function systemFunction(const wchar_t *library, const char *name) {
    HMODULE module = GetModuleHandleW(library);
    if (module == nullptr)
        module = LoadLibraryW(library);
    if (module == nullptr)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace os
