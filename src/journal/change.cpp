// Changes in their journal and preview forms.
#include "journal/change.h"

#include "platform/registry.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace journal {

namespace {

struct KindName {
    Change::Kind kind;
    const char *word;
};

const KindName kindNames[] = {{Change::Kind::CreateKey, "cle"},          {Change::Kind::SetValue, "valeur"},
                              {Change::Kind::DeleteValue, "effacement"},
                              {Change::Kind::WriteFile, "fichier"},      {Change::Kind::DeleteFile, "suppression"},
                              {Change::Kind::CreateFolder, "dossier"},   {Change::Kind::StartProgram, "programme"}};

const char *wordOf(Change::Kind kind) {
    for (const KindName &entry : kindNames)
        if (entry.kind == kind)
            return entry.word;
    return "?";
}

// Backslash, tab and line ends escaped so that one field stays on one line between tabs.
std::string escaped(const std::string &text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::string unescaped(const std::string &text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char next = text[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

std::string hexOf(const std::string &bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char byte : bytes) {
        out += digits[byte >> 4];
        out += digits[byte & 15];
    }
    return out;
}

bool bytesOfHex(const std::string &hex, std::string &bytes) {
    if (hex.size() % 2 != 0)
        return false;
    bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned value;
        if (std::sscanf(hex.substr(i, 2).c_str(), "%2x", &value) != 1)
            return false;
        bytes += static_cast<char>(value);
    }
    return true;
}

// "-" for an absent value, else its type in decimal, ':' and its data in hex.
std::string typedData(bool exists, std::uint32_t type, const std::string &data) {
    return exists ? std::to_string(type) + ":" + hexOf(data) : "-";
}

bool parseTypedData(const std::string &field, bool &exists, std::uint32_t &type, std::string &data) {
    exists = field != "-";
    if (!exists)
        return true;
    std::size_t colon = field.find(':');
    if (colon == std::string::npos || colon == 0)
        return false;
    std::string number = field.substr(0, colon);
    char *end = nullptr;
    type = static_cast<std::uint32_t>(std::strtoul(number.c_str(), &end, 10));
    return *end == '\0' && bytesOfHex(field.substr(colon + 1), data);
}

std::vector<std::string> splitTabs(const std::string &line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// A value's data as a person reads it: quoted text for the text types, else hex.
std::string shownData(std::uint32_t type, const std::string &data) {
    if (type == os::regSz || type == os::regExpandSz) {
        std::string text = data.substr(0, data.find('\0'));
        return "\"" + text + "\"";
    }
    if (type == os::regDword && data.size() == 4) {
        unsigned long number = static_cast<unsigned char>(data[0]) | static_cast<unsigned char>(data[1]) << 8 |
                               static_cast<unsigned char>(data[2]) << 16 |
                               static_cast<unsigned long>(static_cast<unsigned char>(data[3])) << 24;
        return "dword:" + std::to_string(number);
    }
    return "hex(" + std::to_string(type) + "):" + hexOf(data);
}

} // namespace

std::string fingerprintOf(const std::string &bytes) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%zu/%016llx", bytes.size(), static_cast<unsigned long long>(hash));
    return text;
}

std::string describe(const Change &change) {
    std::string line = std::string(wordOf(change.kind)) + " " + change.target;
    switch (change.kind) {
    case Change::Kind::SetValue:
        line += " [" + change.name + "] = " + shownData(change.typeAfter, change.after);
        line += change.existedBefore ? " (avant " + shownData(change.typeBefore, change.before) + ")" : " (nouvelle)";
        break;
    case Change::Kind::DeleteValue:
        line += " [" + change.name + "] (avant " + shownData(change.typeBefore, change.before) + ")";
        break;
    case Change::Kind::WriteFile:
        line += " " + change.after + (change.existedBefore ? " (remplace " + fingerprintOf(change.before) + ")" : " (nouveau)");
        break;
    default:
        break;
    }
    return line;
}

std::string encodeChange(const Change &change) {
    std::string before = "-", after = "-";
    if (change.kind == Change::Kind::SetValue || change.kind == Change::Kind::DeleteValue) {
        before = typedData(change.existedBefore, change.typeBefore, change.before);
        after = typedData(change.kind == Change::Kind::SetValue, change.typeAfter, change.after);
    } else if (change.kind == Change::Kind::WriteFile || change.kind == Change::Kind::DeleteFile) {
        before = change.existedBefore ? "copie" : "-"; // the bytes are kept as a file of the run
        after = change.after;
    }
    return std::string(wordOf(change.kind)) + "\t" + escaped(change.target) + "\t" + escaped(change.name) + "\t" +
           before + "\t" + after;
}

bool decodeChange(const std::string &line, Change &change) {
    std::vector<std::string> fields = splitTabs(line);
    if (fields.size() != 5)
        return false;
    bool known = false;
    for (const KindName &entry : kindNames) {
        if (fields[0] == entry.word) {
            change.kind = entry.kind;
            known = true;
        }
    }
    if (!known)
        return false;
    change.target = unescaped(fields[1]);
    change.name = unescaped(fields[2]);
    change.before.clear();
    if (change.kind == Change::Kind::WriteFile || change.kind == Change::Kind::DeleteFile) {
        change.existedBefore = fields[3] == "copie";
        change.after = fields[4];
        return true;
    }
    bool afterExists;
    return parseTypedData(fields[3], change.existedBefore, change.typeBefore, change.before) &&
           parseTypedData(fields[4], afterExists, change.typeAfter, change.after);
}

} // namespace journal
