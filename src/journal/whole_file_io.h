// Whole files as bytes, written beside their place and then renamed over it, so that a crash
// leaves either the old file or the new one, never half of one.
#pragma once

#include <string>

namespace journal {

// The temporary file a whole-file write goes through before it is renamed into place.
std::string temporaryPathOf(const std::string &path);

// The file's bytes; false (bytes emptied) when it cannot be opened, a missing file included.
bool readFileBytes(const std::string &path, std::string &bytes);

// Writes bytes to the temporary file, makes them durable, then renames it over path. False when
// any step failed; the temporary file is then removed and path left as it was.
bool writeFileBytes(const std::string &path, const std::string &bytes);

} // namespace journal
