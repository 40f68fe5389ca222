// The shell's folder service, shaped like SHGetFolderPathA: the real path of a well-known folder
// (desktop, documents, application data...) named by its CSIDL.
#pragma once

namespace os {

// Results, as the HRESULT values of the service.
constexpr long shellFolderFound = 0;                               // S_OK
constexpr long shellServiceMissing = static_cast<int>(0x80004001); // E_NOTIMPL: no such service
constexpr long shellFolderNotFound = static_cast<int>(0x80004005); // E_FAIL

// Asks the service for the folder csidl of the current user (no window, no access token, the
// folder's current path). On shellFolderFound, path holds the folder, NUL-terminated, in the
// system code page; a path that does not fit in size bytes, or that the code page cannot hold, is
// not given (shellFolderNotFound). On Windows the service is taken from
// "shell32.dll" by name the first time it is needed; the sandbox has none and answers
// shellServiceMissing, so callers fall back to the registry.
long shGetFolderPath(int csidl, char *path, unsigned long size);

} // namespace os
