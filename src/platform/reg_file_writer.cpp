// Writes the registry tree as a version 5 registry file, the way reg export does.
#include "platform/reg_file.h"

#include "platform/reg_file_escapes.h"

#include <cstdio>
#include <vector>

namespace regfile {

namespace {

using regtree::Key;
using regtree::Value;

// Hex data lines break once this many characters are written (continued with ",\").
constexpr std::size_t hexLineLimit = 77;

std::u16string ascii(const char *text) {
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

// A name or string data (`inData`) with its backslash escapes, ready to be quoted.
std::u16string escaped(const std::u16string &text, bool inData) {
    std::u16string out;
    for (char16_t c : text) {
        if (const Escape *escape = findEscape(&Escape::character, c, inData)) {
            out += u'\\';
            out += escape->letter;
        } else {
            out += c;
        }
    }
    return out;
}

std::u16string unitsOf(const regtree::Bytes &data) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
        units += char16_t(data[i] | (data[i + 1] << 8));
    return units;
}

// A string value that reads back identically from its quoted form: one NUL at the end, none
// before, no line breaks.
bool isPlainString(const Value &value) {
    if (value.type != 1 || value.data.size() < 2 || value.data.size() % 2 != 0)
        return false;
    std::u16string units = unitsOf(value.data);
    if (units.back() != 0)
        return false;
    units.pop_back();
    return units.find_first_of(std::u16string(u"\0\r\n", 3)) == std::u16string::npos;
}

std::u16string hexData(const Value &value, std::size_t lineLength) {
    char buffer[16];
    if (value.type == 3)
        std::snprintf(buffer, sizeof buffer, "hex:");
    else
        std::snprintf(buffer, sizeof buffer, "hex(%x):", static_cast<unsigned>(value.type));
    std::u16string out = ascii(buffer);
    lineLength += out.size();
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%02x", value.data[i]);
        out += ascii(buffer);
        if (i + 1 == value.data.size())
            break;
        out += u',';
        lineLength += 3;
        if (lineLength >= hexLineLimit) {
            out += u"\\\r\n  ";
            lineLength = 2;
        }
    }
    return out;
}

std::u16string valueLine(const Value &value) {
    std::u16string line = value.name.empty() ? u"@=" : u"\"" + escaped(value.name, false) + u"\"=";
    if (isPlainString(value)) {
        std::u16string text = unitsOf(value.data);
        text.pop_back();
        line += u"\"" + escaped(text, true) + u"\"";
    } else if (value.type == 4 && value.data.size() == 4) {
        char buffer[16];
        unsigned number =
            value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) | (unsigned(value.data[3]) << 24);
        std::snprintf(buffer, sizeof buffer, "dword:%08x", number);
        line += ascii(buffer);
    } else {
        line += hexData(value, line.size());
    }
    return line + u"\r\n";
}

void writeKeyLines(const Key &key, const std::u16string &path, std::u16string &out) {
    out += u"\r\n[" + path + u"]\r\n";
    for (const Value &value : key.values())
        out += valueLine(value);
}

// A hive and every key below it, parents first, without recursion: `path` grows by one name on
// the way down and is cut back on the way up.
void writeHive(const Key &hive, std::u16string &out) {
    struct Level {
        const Key *key;
        std::size_t pathLength;
        std::size_t nextSubkey;
    };
    std::u16string path = hive.name();
    if (!hive.values().empty())
        writeKeyLines(hive, path, out);
    std::vector<Level> levels{{&hive, path.size(), 0}};
    while (!levels.empty()) {
        Level &level = levels.back();
        if (level.nextSubkey == level.key->subkeys().size()) {
            levels.pop_back();
            continue;
        }
        const Key &subkey = *level.key->subkeys()[level.nextSubkey++];
        path.resize(level.pathLength);
        path += u'\\';
        path += subkey.name();
        writeKeyLines(subkey, path, out);
        levels.push_back({&subkey, path.size(), 0});
    }
}

} // namespace

std::u16string regValueLine(const Value &value) {
    return valueLine(value);
}

std::string writeRegFile(const Key &root) {
    std::u16string text = u"Windows Registry Editor Version 5.00\r\n";
    for (const auto &hive : root.subkeys())
        writeHive(*hive, text);
    text += u"\r\n";

    std::string bytes = "\xFF\xFE";
    bytes.reserve(2 + text.size() * 2);
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

} // namespace regfile
