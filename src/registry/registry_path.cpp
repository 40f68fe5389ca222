// Root names of registry paths.
#include "registry/registry_path.h"

#include "registry/registry_key.h"

#include <string_view>

RegistryKey *registryRootNamed(const char *name, std::size_t length) {
    static const struct {
        std::string_view name;
        RegistryKey *root;
    } roots[] = {
        {"HKEY_CLASSES_ROOT", &RegistryKey::ClassesRoot},    {"HKEY_CURRENT_USER", &RegistryKey::CurrentUser},
        {"HKEY_CURRENT_CONFIG", &RegistryKey::LocalMachine}, {"HKEY_USERS", &RegistryKey::Users},
        {"HKEY_LOCAL_MACHINE", &RegistryKey::LocalMachine},
    };
    for (const auto &entry : roots)
        if (entry.name == std::string_view(name, length))
            return entry.root;
    return nullptr;
}
