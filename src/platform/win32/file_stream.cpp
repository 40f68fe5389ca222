// File streams on Windows: _wfopen, whose text mode is the runtime's own, on long paths too.
#include "platform/file_stream.h"

#include "platform/win32/codepage.h"
#include "platform/win32/long_path.h"

#include <io.h>
#include <stdio.h>

namespace os {

std::FILE *openFile(const char *path, const char *mode) {
    return _wfopen(windowsPath(path).c_str(), utf16FromSystem(mode).c_str());
}

bool syncFile(std::FILE *file) {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

} // namespace os
