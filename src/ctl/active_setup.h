// The Active Setup component through which Windows runs a deployment once for each user at his
// next logon: HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Active Setup\Installed Components\<id>.
#pragma once

#include <string>

// The component's key, in the registry path form of RegistryKey::openPath.
extern const char *const activeSetupKey;

// Registers (or updates) the component with the command line stubPath. Its "Version" goes up by
// one whenever the command changes, so that Windows runs the new one for every user again. false
// when a value could not be written (no administrator rights).
bool registerActiveSetup(const std::string &stubPath);

// registerActiveSetup for a command: on failure one French line on the standard error stream and
// false.
bool registerActiveSetupOrSay(const std::string &stubPath);

// The command line that repeats a deployment for the user at logon: veltractl of the program
// folder with the given arguments (quoted by the Windows rules when they hold a blank).
std::string stubCommandLine(const std::string &programFolder, const std::string &arguments);
