// Windows paths of the program mapped to host paths of the sandbox machine, and back.
#pragma once

#include <string>

namespace os {

// The host path (UTF-8) of a Windows path (system code page). X:\a\b is VELTRA_ROOT/drive_x/a/b;
// '/' and '\' both separate; a path without drive letter is a host path with '\' read as '/'.
// Each component is the entry of that name when it exists, else the entry whose name matches
// it without regard to ASCII letter case, else the name as written (for files to be created).
// Empty components are skipped; a trailing separator is kept. On a drive, "." is skipped and ".."
// takes back the previous component, never above the drive's root (C:\nope\..\x is C:\x).
std::string hostPath(const char *windowsPath);
// Whether the file or folder of a Windows path exists and allows hostMode (R_OK, W_OK, F_OK), as
// access(2) answers for its host path.
bool hostAccess(const char *windowsPath, int hostMode);

// hostPath for a file or folder about to be written, created or deleted: empty (which no host
// call accepts) when a drive path would lead out of the sandbox folder through a symbolic link.
std::string hostPathForWriting(const char *windowsPath);

// The Windows path (system code page) of a host path: below VELTRA_ROOT/drive_x it is X:\...,
// elsewhere the host path with '/' written '\'. Empty when the code page cannot hold it.
std::string windowsPath(const std::string &hostPath);

} // namespace os
