// Opening a file stream, as fopen on Windows: text mode unless the mode holds 'b'.
#pragma once

#include <cstdio>

namespace os {

// Opens path (system code page) with an fopen mode ("r", "w", "a", "r+", ... with 'b' for binary,
// 't' accepted for text). In text mode a line feed written becomes CR LF in the file, CR LF
// read becomes a line feed, and a Ctrl-Z byte (0x1A) ends the reading. Returns null on failure;
// the caller closes the stream with std::fclose.
std::FILE *openFile(const char *path, const char *mode);

// Flushes the stream and asks the system to write the file's data to the disk (fsync, _commit),
// so that it survives a power cut. True when both succeeded.
bool syncFile(std::FILE *file);

} // namespace os
