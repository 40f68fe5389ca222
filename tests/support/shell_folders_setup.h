// Test helper: gives the machine its shell folders. Windows has its shell folder service; a
// machine without it (the sandbox) gets the registry values Windows keeps for each folder.
#pragma once

namespace shell_folders_setup {

// On a machine without the shell folder service, writes the "Shell Folders" values of a user
// "Test" under HKEY_CURRENT_USER and of the all-users folders under HKEY_LOCAL_MACHINE.
void provide();

} // namespace shell_folders_setup
