// Full registry key names as reg export writes them ("HKEY_CURRENT_USER\Software\X"), the form in
// which the journal records keys so that its before-images can be imported as they are.
#pragma once

#include "platform/registry.h"

#include <cstdint>
#include <string>

namespace journal {

// The name of root\path ('/' read as '\'). On a 64-bit Windows a key below
// HKEY_LOCAL_MACHINE\SOFTWARE opened in the 32-bit view (access holds keyWow64_32Key) is named
// with the Wow6432Node component where Windows keeps it. Empty for a root that is not a hive.
std::string fullKeyName(os::HKey root, const char *path, std::uint32_t access);

// The hive handle and the path below it of a full name; false when the name starts with no hive.
bool splitKeyName(const std::string &fullName, os::HKey &root, std::string &path);

// Registry names compare without regard to ASCII letter case.
bool sameRegistryName(const std::string &a, const std::string &b);

} // namespace journal
