// Registry exports on Windows: the real registry cannot be swapped for a customer's.
#include "platform/registry_exports.h"

#include "platform/error_codes.h"

namespace os {

RegistryExports::~RegistryExports() = default;

unsigned long RegistryExports::load(const std::vector<std::string> &, std::size_t &skippedLines) {
    skippedLines = 0;
    return errorNotSupported;
}

} // namespace os
