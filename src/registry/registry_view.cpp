// The registry view switch and the cached bitness of Windows.
#include "registry/registry_view.h"

#include "platform/registry.h"

namespace {

int RegistryView = 0;

} // namespace

int setRegistryView(int view) {
    int previous = RegistryView;
    RegistryView = view;
    return previous;
}

int is64BitWindows() {
    static const int bits = os::windowsBits();
    return bits;
}

std::uint32_t registryViewAccess() {
    if (is64BitWindows() != 64)
        return 0;
    return RegistryView != 0 ? os::keyWow64_64Key : os::keyWow64_32Key;
}
