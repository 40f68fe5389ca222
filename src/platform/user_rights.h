// The rights of the user the program runs as.
#pragma once

namespace os {

// Whether the program may change the machine's own data (HKEY_LOCAL_MACHINE): on Windows, the
// process runs with administrator rights (elevated); the sandbox answers VELTRA_ADMIN.
bool isAdministrator();

} // namespace os
