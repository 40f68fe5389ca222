// File streams on Windows: _wfopen, whose text mode is the runtime's own.
#include "platform/file_stream.h"

#include "platform/win32/codepage.h"

#include <stdio.h>

namespace os {

std::FILE *openFile(const char *path, const char *mode) {
    return _wfopen(utf16FromCp1252(path).c_str(), utf16FromCp1252(mode).c_str());
}

} // namespace os
