// Root names of registry paths.
#include "registry/registry_path.h"

#include "registry/registry_key.h"

#include <cstring>

RegistryKey *registryRootNamed(const char *name, std::size_t length) {
    static const struct {
        const char *name;
        RegistryKey *root;
    } roots[] = {
        {"HKEY_CLASSES_ROOT", &RegistryKey::ClassesRoot},    {"HKEY_CURRENT_USER", &RegistryKey::CurrentUser},
        {"HKEY_CURRENT_CONFIG", &RegistryKey::LocalMachine}, {"HKEY_USERS", &RegistryKey::Users},
        {"HKEY_LOCAL_MACHINE", &RegistryKey::LocalMachine},
    };
    for (const auto &entry : roots)
        if (std::strlen(entry.name) == length && std::memcmp(entry.name, name, length) == 0)
            return entry.root;
    return nullptr;
}
