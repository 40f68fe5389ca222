// Environment references expanded by Windows (ExpandEnvironmentStringsW).
#include "platform/environment.h"

#include "platform/out_buffer.h"
#include "platform/win32/codepage.h"

#include <windows.h>

namespace os {

unsigned long expandEnvironmentStrings(const char *source, char *destination, unsigned long size) {
    std::wstring wide = utf16FromSystem(source);
    DWORD needed = ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
    if (needed == 0)
        return 0;
    std::wstring expanded(needed, L'\0');
    DWORD written = ExpandEnvironmentStringsW(wide.c_str(), expanded.data(), needed);
    if (written == 0 || written > needed)
        return 0;
    std::string narrow;
    if (!systemFromUtf16(expanded.c_str(), narrow))
        return 0; // a value the code page cannot hold
    return copyWhole(narrow, destination, size);
}

} // namespace os
