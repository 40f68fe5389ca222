// Reading registry values into nodes and turning nodes back into typed registry data.
#include "registry/value_encoding.h"

#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "platform/registry.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char hexPrefix[] = "__hex(";
const char evalPrefix[] = "__eval:";
const char dwordPrefix[] = "__dword:";

std::int32_t dwordOf(const unsigned char *data, std::uint32_t size) {
    std::uint32_t number = 0;
    for (std::uint32_t index = 0; index < size && index < 4; ++index)
        number |= std::uint32_t(data[index]) << (8 * index);
    return static_cast<std::int32_t>(number);
}

std::vector<unsigned char> textBytes(const char *text) {
    return std::vector<unsigned char>(text, text + std::strlen(text) + 1);
}

std::vector<unsigned char> dwordBytes(std::uint32_t number) {
    return {static_cast<unsigned char>(number), static_cast<unsigned char>(number >> 8),
            static_cast<unsigned char>(number >> 16), static_cast<unsigned char>(number >> 24)};
}

// Decimal byte values separated by ",", each kept modulo 256, until the rest is blank.
std::vector<unsigned char> decimalBytes(const char *text) {
    std::vector<unsigned char> bytes;
    while (!IsBlank(text)) {
        char *end = nullptr;
        long number = std::strtol(text, &end, 10);
        if (end == text)
            break;
        bytes.push_back(static_cast<unsigned char>(number & 0xFF));
        text = end;
        while (*text == ' ' || *text == '\t')
            ++text;
        if (*text != ',')
            break;
        ++text;
    }
    return bytes;
}

} // namespace

ParamNode *decodeRegistryValue(const char *name, std::uint32_t type, const unsigned char *data,
                               std::uint32_t size, bool encode) {
    const char *text = reinterpret_cast<const char *>(data);
    switch (type) {
    case os::regSz:
        return new ParamNode(name, text);
    case os::regExpandSz: {
        TextString value(encode ? evalPrefix : nullptr);
        value.Append(text);
        return new ParamNode(name, value.CStr());
    }
    case os::regDword:
        if (!encode)
            return new ParamNode(name, static_cast<int>(dwordOf(data, size)));
        {
            char value[32];
            std::snprintf(value, sizeof value, "%s%d", dwordPrefix, static_cast<int>(dwordOf(data, size)));
            return new ParamNode(name, value);
        }
    default:
        break;
    }
    if (!encode)
        return nullptr;
    char piece[32];
    std::snprintf(piece, sizeof piece, "%s%u):", hexPrefix, static_cast<unsigned>(type));
    TextString value(piece);
    for (std::uint32_t index = 0; index < size; ++index) {
        std::snprintf(piece, sizeof piece, index == 0 ? "%u" : ",%u", static_cast<unsigned>(data[index]));
        value.Append(piece);
    }
    return new ParamNode(name, value.CStr());
}

bool encodeRegistryValue(const ParamNode &node, bool numbersAsDword, RegistryData &out) {
    const char *text = node.Value();
    if (const char *rest = SkipPrefix(text, hexPrefix)) {
        const char *data = std::strstr(rest, "):");
        if (data == nullptr)
            return false;
        out.type = static_cast<std::uint32_t>(std::strtoul(rest, nullptr, 10));
        out.bytes = decimalBytes(data + 2);
    } else if (const char *expandable = SkipPrefix(text, evalPrefix)) {
        out = {os::regExpandSz, textBytes(expandable)};
    } else if (const char *number = SkipPrefix(text, dwordPrefix)) {
        out = {os::regDword, dwordBytes(static_cast<std::uint32_t>(std::strtoll(number, nullptr, 10)))};
    } else if (numbersAsDword && node.ValueType() == ParamValueType::Integer) {
        out = {os::regDword, dwordBytes(static_cast<std::uint32_t>(node.AsInt()))};
    } else {
        out = {os::regSz, textBytes(text)};
    }
    return true;
}
