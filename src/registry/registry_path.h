// Textual registry paths: "ROOT/component/..." ('\' accepted as well), the root named by its
// Windows name, compared byte for byte.
#pragma once

#include <cstddef>

class RegistryKey;

// Limits of a path text: its root component, and the rest (the path handed to the system).
constexpr std::size_t maxRegistryRootLength = 159;
constexpr std::size_t maxRegistryPathLength = 359;

// The root object of a root name: HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_USERS,
// HKEY_LOCAL_MACHINE, and HKEY_CURRENT_CONFIG (which opens below the local machine); null for
// any other name. length: the number of characters of name to compare.
RegistryKey *registryRootNamed(const char *name, std::size_t length);
