// The process-wide choice between the default (32-bit) and the 64-bit registry view, and the
// bitness of Windows.
#pragma once

#include <cstdint>

// 0: the default view of a 32-bit process; non-zero: the 64-bit view. Returns the previous view;
// callers save, switch and restore around a piece of work.
int setRegistryView(int view);

// Switches the registry view for the lifetime of the object, then restores the previous one.
class RegistryViewScope {
public:
    explicit RegistryViewScope(int view) : previous(setRegistryView(view)) {}
    ~RegistryViewScope() { setRegistryView(previous); }
    RegistryViewScope(const RegistryViewScope &) = delete;
    RegistryViewScope &operator=(const RegistryViewScope &) = delete;

private:
    int previous;
};

// 64 on a 64-bit Windows, else 32; asked once, then kept.
int is64BitWindows();

// The view bits every open and create adds to its access mask. The program is a 64-bit build on
// 64-bit Windows, so the default view has to be asked for explicitly as the 32-bit one.
std::uint32_t registryViewAccess();
