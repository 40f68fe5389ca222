// The programs running on the machine, for the check that a CAD host is closed before it is
// configured (a host rewrites its profile when it closes, undoing a registration made meanwhile).
#pragma once

#include <string>
#include <vector>

namespace os {

// Fills paths with the full path of the executable of each running process, in the system code
// page (a path the code page cannot hold is left out, as is a process whose path cannot be read).
// Returns 0 (errorSuccess), or the Win32 error code met when the list itself cannot be read.
// Windows: the process list with full image paths; the sandbox: the lines of
// VELTRA_ROOT\processes.txt (UTF-8, as a person writes them; a missing file means none runs).
unsigned long runningExecutables(std::vector<std::string> &paths);

} // namespace os
