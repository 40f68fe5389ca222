// Windows text mode over a host file stream: the line ends and end-of-file mark of the
// Windows runtime's text streams, for the sandbox.
#pragma once

#include <cstdio>

namespace os {

// A stream that reads and writes through raw, which it owns and closes: a line feed written
// becomes CR LF, CR LF read becomes a line feed, a Ctrl-Z byte ends the reading. Positions are
// those of raw. Null (raw closed) when the stream cannot be made; mode is raw's fopen mode.
std::FILE *openTextStream(std::FILE *raw, const char *mode);

} // namespace os
