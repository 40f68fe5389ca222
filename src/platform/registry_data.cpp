// Conversion of registry names and text data between the system code page and UTF-16LE, and
// buffer hand-back.
#include "platform/registry_data.h"

#include "platform/codepage.h"
#include "platform/registry.h"

#include <cstring>

namespace os {

bool isTextType(std::uint32_t type) {
    return type == regSz || type == regExpandSz || type == regMultiSz;
}

Bytes dataToStored(std::uint32_t type, const unsigned char *data, std::uint32_t size) {
    if (data == nullptr || size == 0)
        return {};
    if (!isTextType(type))
        return Bytes(data, data + size);
    std::u16string wide = u16FromSystem(std::string_view(reinterpret_cast<const char *>(data), size));
    Bytes stored;
    stored.reserve(wide.size() * 2);
    for (char16_t unit : wide) {
        stored.push_back(static_cast<unsigned char>(unit & 0xFF));
        stored.push_back(static_cast<unsigned char>(unit >> 8));
    }
    return stored;
}

const Bytes &dataFromStored(std::uint32_t type, const Bytes &stored, bool &exact) {
    exact = true;
    if (!isTextType(type))
        return stored;
    // Kept from one value to the next, so that a read allocates nothing once they have grown.
    static thread_local std::u16string wide;
    static thread_local std::string narrow;
    static thread_local Bytes converted;
    wide.resize(stored.size() / 2);
    for (std::size_t i = 0; i < wide.size(); ++i)
        wide[i] = char16_t(stored[2 * i] | (stored[2 * i + 1] << 8));
    exact = systemFromU16(wide, narrow);
    if (stored.size() % 2 != 0)
        narrow += static_cast<char>(stored.back());
    converted.assign(narrow.begin(), narrow.end());
    return converted;
}

unsigned long copyNameOut(const std::u16string &wideName, char *buffer, std::uint32_t *length, bool &exact) {
    std::string name;
    exact = systemFromU16(wideName, name);
    if (length == nullptr)
        return errorInvalidParameter;
    if (buffer == nullptr || *length < name.size() + 1) {
        *length = static_cast<std::uint32_t>(name.size());
        return errorMoreData;
    }
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    *length = static_cast<std::uint32_t>(name.size());
    return errorSuccess;
}

unsigned long copyDataOut(const Bytes &data, unsigned char *buffer, std::uint32_t *size) {
    if (size == nullptr)
        return buffer == nullptr ? errorSuccess : errorInvalidParameter;
    std::uint32_t room = *size;
    *size = static_cast<std::uint32_t>(data.size());
    if (buffer == nullptr)
        return errorSuccess;
    if (room < data.size())
        return errorMoreData;
    if (!data.empty())
        std::memcpy(buffer, data.data(), data.size());
    return errorSuccess;
}

} // namespace os
