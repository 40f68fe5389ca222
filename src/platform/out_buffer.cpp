// Result texts copied into caller buffers under the Win32 size conventions.
#include "platform/out_buffer.h"

#include <cstring>

namespace os {

unsigned long copyWhole(const std::string &text, char *buffer, unsigned long size) {
    unsigned long needed = static_cast<unsigned long>(text.size() + 1);
    if (buffer != nullptr && size >= needed)
        std::memcpy(buffer, text.c_str(), needed);
    else if (buffer != nullptr && size > 0)
        buffer[0] = '\0';
    return needed;
}

unsigned long copyTruncated(const std::string &text, char *buffer, unsigned long size) {
    if (buffer == nullptr || size == 0)
        return 0;
    if (text.size() < size) {
        std::memcpy(buffer, text.c_str(), text.size() + 1);
        return static_cast<unsigned long>(text.size());
    }
    std::memcpy(buffer, text.data(), size - 1);
    buffer[size - 1] = '\0';
    return size;
}

} // namespace os
