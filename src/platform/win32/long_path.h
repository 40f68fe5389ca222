// The wide form of a path the program hands to the Windows file API, made to work beyond the
// classic length limits (248 characters for a folder, 260 for a file).
#pragma once

#include <string>

namespace os {

// UTF-16 of a path in the system code page, with '/' turned into '\'. An absolute path (drive
// or UNC) long enough to meet a classic limit gets the "\\?\" prefix ("\\?\UNC\" for a share)
// after being made canonical, since the prefix turns off the system's own handling of "." and
// "..". Other paths are only converted.
std::wstring windowsPath(const char *path);

} // namespace os
