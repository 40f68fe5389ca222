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

// Appends a name or string data (`inData`) with its backslash escapes, ready to be quoted.
void appendEscaped(std::u16string &out, const char16_t *text, std::size_t length, bool inData) {
    for (std::size_t i = 0; i < length; ++i) {
        if (const Escape *escape = findEscape(&Escape::character, text[i], inData)) {
            out += u'\\';
            out += escape->letter;
        } else {
            out += text[i];
        }
    }
}

char16_t unitAt(const regtree::Bytes &data, std::size_t index) {
    return char16_t(data[2 * index] | (data[2 * index + 1] << 8));
}

// A string value that reads back identically from its quoted form: one NUL at the end, none
// before, no line breaks.
bool isPlainString(const Value &value) {
    if (value.type != 1 || value.data.size() < 2 || value.data.size() % 2 != 0)
        return false;
    std::size_t units = value.data.size() / 2;
    if (unitAt(value.data, units - 1) != 0)
        return false;
    for (std::size_t i = 0; i + 1 < units; ++i) {
        char16_t c = unitAt(value.data, i);
        if (c == 0 || c == u'\r' || c == u'\n')
            return false;
    }
    return true;
}

void appendHexByte(std::u16string &out, unsigned byte) {
    static const char16_t digits[] = u"0123456789abcdef";
    out += digits[byte >> 4];
    out += digits[byte & 15];
}

void appendHexData(std::u16string &out, const Value &value, std::size_t lineLength) {
    char buffer[16];
    if (value.type == 3)
        std::snprintf(buffer, sizeof buffer, "hex:");
    else
        std::snprintf(buffer, sizeof buffer, "hex(%x):", static_cast<unsigned>(value.type));
    std::u16string prefix = ascii(buffer);
    out += prefix;
    lineLength += prefix.size();
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        appendHexByte(out, value.data[i]);
        if (i + 1 == value.data.size())
            break;
        out += u',';
        lineLength += 3;
        if (lineLength >= hexLineLimit) {
            out += u"\\\r\n  ";
            lineLength = 2;
        }
    }
}

void appendValueLine(std::u16string &out, const Value &value) {
    std::size_t lineStart = out.size();
    if (value.name.empty()) {
        out += u"@=";
    } else {
        out += u'"';
        appendEscaped(out, value.name.data(), value.name.size(), false);
        out += u"\"=";
    }
    if (isPlainString(value)) {
        std::u16string text(value.data.size() / 2 - 1, u'\0');
        for (std::size_t i = 0; i < text.size(); ++i)
            text[i] = unitAt(value.data, i);
        out += u'"';
        appendEscaped(out, text.data(), text.size(), true);
        out += u'"';
    } else if (value.type == 4 && value.data.size() == 4) {
        out += u"dword:";
        for (std::size_t i = 4; i-- > 0;)
            appendHexByte(out, value.data[i]);
    } else {
        appendHexData(out, value, out.size() - lineStart);
    }
    out += u"\r\n";
}

// The bytes of UTF-16 text, little-endian, into `scratch`.
const std::string &bytesOf(const std::u16string &text, std::string &scratch) {
    scratch.resize(2 * text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        scratch[2 * i] = static_cast<char>(text[i] & 0xFF);
        scratch[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    return scratch;
}

// Writes the lines of every key below `root` (a hive's own only when it holds values), parents
// first, without recursion: `path` grows by one name on the way down and is cut back on the way up.
// With `reuse`, a key unchanged since the last write is copied from it with all below it.
bool writeKeys(const Key &root, RegFileOutput &out, bool reuse, std::size_t written) {
    struct Level {
        const Key *key;
        std::size_t pathLength, nextSubkey, start, previousStart;
    };
    std::u16string path, lines;
    std::string scratch;
    std::vector<Level> levels{{&root, 0, 0, 0, 0}};
    while (!levels.empty()) {
        Level &level = levels.back();
        if (level.nextSubkey == level.key->subkeys().size()) {
            regtree::SavedPart &part = level.key->savedPart();
            part.length = static_cast<std::uint32_t>(written - level.start);
            part.unchanged = true;
            levels.pop_back();
            continue;
        }
        const Key &subkey = *level.key->subkeys()[level.nextSubkey++];
        regtree::SavedPart &part = subkey.savedPart();
        std::size_t previousStart = level.previousStart + part.offset;
        part.offset = static_cast<std::uint32_t>(written - level.start);
        if (reuse && part.unchanged) {
            if (!out.addPrevious(previousStart, part.length))
                return false;
            written += part.length;
            continue;
        }
        path.resize(level.pathLength);
        if (levels.size() > 1)
            path += u'\\';
        path += subkey.name();
        lines.clear();
        if (levels.size() > 1 || !subkey.values().empty()) {
            lines += u"\r\n[";
            lines += path;
            lines += u"]\r\n";
            for (const Value &value : subkey.values())
                appendValueLine(lines, value);
        }
        std::size_t start = written;
        if (!out.add(bytesOf(lines, scratch)))
            return false;
        written += scratch.size();
        levels.push_back({&subkey, path.size(), 0, start, previousStart});
    }
    return true;
}

// Collects the bytes in a string; nothing was written before.
class StringOutput : public RegFileOutput {
public:
    bool add(const std::string &bytes) override {
        text += bytes;
        return true;
    }
    bool addPrevious(std::size_t, std::size_t) override { return false; }
    std::string text;
};

} // namespace

std::u16string regValueLine(const Value &value) {
    std::u16string line;
    appendValueLine(line, value);
    return line;
}

bool writeRegFile(const Key &root, RegFileOutput &out, bool reuse) {
    std::string scratch;
    const std::string &header = bytesOf(u"\xFEFFWindows Registry Editor Version 5.00\r\n", scratch);
    std::size_t headerSize = header.size();
    return out.add(header) && writeKeys(root, out, reuse, headerSize) && out.add(bytesOf(u"\r\n", scratch));
}

std::string writeRegFile(const Key &root) {
    StringOutput out;
    writeRegFile(root, out, false);
    return std::move(out.text);
}

} // namespace regfile
