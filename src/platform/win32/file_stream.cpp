// File streams on Windows: _wfopen, whose text mode is the runtime's own.
#include "platform/file_stream.h"

#include "platform/win32/codepage.h"

#include <stdio.h>

namespace os {

std::FILE *openFile(const char *path, const char *mode) {
    return _wfopen(utf16FromSystem(path).c_str(), utf16FromSystem(mode).c_str());
}

} // namespace os
