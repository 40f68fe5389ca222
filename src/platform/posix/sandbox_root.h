// Where the simulated Windows machine of the Linux build lives: the sandbox folder that holds
// its registry file and one folder per drive.
#pragma once

#include <string>

// The sandbox folder: VELTRA_ROOT, else $XDG_DATA_HOME/veltra/machine, else
// ~/.local/share/veltra/machine. The default folder is created on demand; a folder named by
// VELTRA_ROOT is used as it is. Read anew on each call, so a test may point the process at
// a fresh machine by changing VELTRA_ROOT. Never ends with a slash. The text answered stays as it
// is until the next call.
const std::string &sandboxRoot();
