// Copying a result text into a caller's buffer of a given size, the two ways Win32 calls do.
#pragma once

#include <string>

namespace os {

// All or nothing: copies text and its NUL when they fit in size, else writes an empty text
// (when size > 0). Returns the size needed, NUL included.
unsigned long copyWhole(const std::string &text, char *buffer, unsigned long size);

// Truncating: copies as much of text as fits with a NUL (nothing when size is 0). Returns the
// length copied without the NUL, or size when text had to be cut.
unsigned long copyTruncated(const std::string &text, char *buffer, unsigned long size);

} // namespace os
