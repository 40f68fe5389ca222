// Customer registry exports (.reg files as `reg export` writes them) read as the registry the
// program sees, so that support can diagnose a customer's machine from what the customer sends.
// Only the sandbox can stand for another machine: on Windows this is not supported.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace os {

// While loaded, the registry is a fresh temporary machine holding only the exports; destruction
// gives back the machine's own registry and removes the temporary one.
class RegistryExports {
public:
    RegistryExports() = default;
    ~RegistryExports();
    RegistryExports(const RegistryExports &) = delete;
    RegistryExports &operator=(const RegistryExports &) = delete;

    // Reads files (paths on this computer, system code page) one after the other into the
    // temporary registry, each export read as far as it goes; skippedLines counts the lines that
    // could not be read as written (damaged or truncated exports). Returns 0 (errorSuccess), or a
    // Win32 error code: 2 (errorFileNotFound) for a file that cannot be read, 13 (invalid data)
    // for a file that is no registry export at all, 50 (not supported) on Windows; the registry
    // is then left as it was.
    unsigned long load(const std::vector<std::string> &files, std::size_t &skippedLines);

private:
    std::string folder_;       // the temporary machine; empty while none is loaded
    std::string previousRoot_; // what VELTRA_ROOT held before
    bool hadRoot_ = false;
};

} // namespace os
