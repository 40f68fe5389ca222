// Registry driver of the cross-platform check (scripts/registry-check): "write" performs a fixed
// sequence of registry writes through the platform layer (every value type, both views, deletions);
// "dump" prints every key and value below the keys it wrote, one line each, sorted; "copy FROM TO"
// loads a registry file into the tree and saves it again (the reference of bench/big-registry).
#include "platform/reg_file.h"
#include "platform/registry.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using std::string;

const string nul(1, '\0');

// The keys the driver writes below, with the view they are read in.
struct Area {
    os::HKey root;
    const char *rootName;
    const char *path;
};
const Area areas[] = {
    {os::hkeyCurrentUser, "HKEY_CURRENT_USER", "Software\\VeltraDiff"},
    {os::hkeyLocalMachine, "HKEY_LOCAL_MACHINE", "SOFTWARE\\VeltraDiff"},
    {os::hkeyLocalMachine, "HKEY_LOCAL_MACHINE", "SOFTWARE\\Wow6432Node\\VeltraDiff"},
};

bool failed = false;

void check(unsigned long result, const char *what) {
    if (result != os::errorSuccess) {
        std::fprintf(stderr, "regdriver: %s failed with %lu\n", what, result);
        failed = true;
    }
}

os::HKey create(os::HKey root, const char *path, std::uint32_t view) {
    os::HKey key = nullptr;
    check(os::regCreateKeyEx(root, path, os::keyReadWrite | view, &key, nullptr), path);
    return key;
}

void set(os::HKey key, const char *name, std::uint32_t type, const string &data) {
    check(os::regSetValueEx(key, name, type, reinterpret_cast<const unsigned char *>(data.data()),
                            static_cast<std::uint32_t>(data.size())),
          name);
}

void writeSequence() {
    os::HKey types = create(os::hkeyCurrentUser, "Software\\VeltraDiff\\Types", 0);
    set(types, "Text", os::regSz, "Caf\xE9 \x80 \"quoted\" back\\slash" + nul);
    set(types, nullptr, os::regSz, "default" + nul);
    set(types, "Empty text", os::regSz, nul);
    set(types, "Two lines", os::regSz, "one\r\ntwo" + nul);
    set(types, "Expand", os::regExpandSz, "%SystemRoot%\\\xE9" + nul);
    string bytes;
    for (int index = 0; index < 70; ++index)
        bytes += static_cast<char>(index * 7);
    set(types, "Binary", os::regBinary, bytes);
    set(types, "No bytes", os::regBinary, "");
    set(types, "Dword", os::regDword, string("\xFB\xFF\xFF\xFF", 4));
    set(types, "Multi", os::regMultiSz, "un" + nul + "deux \xE9" + nul + nul);
    set(types, "Qword", os::regQword, string("\x01\x02\x03\x04\x05\x06\x07\x88", 8));
    set(types, "None", os::regNone, "ab");
    set(types, "Custom", 0x1234, string("\x00\xFF", 2));
    set(types, "Temporary", os::regSz, "x" + nul);
    check(os::regDeleteValue(types, "Temporary"), "delete value");
    check(os::regCloseKey(types), "close");

    for (const char *name : {"b", "A", "c\xE9"})
        check(os::regCloseKey(
                  create(os::hkeyCurrentUser, (string("Software\\VeltraDiff\\Order\\") + name).c_str(), 0)),
              name);
    os::HKey gone = create(os::hkeyCurrentUser, "Software\\VeltraDiff\\Gone\\Below", 0);
    set(gone, "x", os::regSz, "y" + nul);
    check(os::regCloseKey(gone), "close");
    check(os::regDeleteTree(os::hkeyCurrentUser, "Software\\VeltraDiff\\Gone", 0), "delete tree");

    os::HKey view32 = create(os::hkeyLocalMachine, "SOFTWARE\\VeltraDiff\\View", os::keyWow64_32Key);
    set(view32, "Bits", os::regSz, "32" + nul);
    check(os::regFlushKey(view32), "flush");
    check(os::regCloseKey(view32), "close");
    os::HKey view64 = create(os::hkeyLocalMachine, "SOFTWARE\\VeltraDiff\\View", os::keyWow64_64Key);
    set(view64, "Bits", os::regSz, "64" + nul);
    check(os::regCloseKey(view64), "close");
}

string hex(const string &bytes) {
    string out;
    char piece[4];
    for (unsigned char c : bytes) {
        std::snprintf(piece, sizeof piece, "%02x", c);
        out += piece;
    }
    return out;
}

string lower(string text) {
    for (char &c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

void dumpKey(os::HKey key, const string &path, std::set<string> &lines) {
    lines.insert("KEY " + hex(lower(path)));
    char name[512];
    std::vector<unsigned char> data(1 << 16);
    for (std::uint32_t index = 0;; ++index) {
        std::uint32_t nameLength = sizeof name, size = static_cast<std::uint32_t>(data.size()), type = 0;
        if (os::regEnumValue(key, index, name, &nameLength, &type, data.data(), &size) != os::errorSuccess)
            break;
        lines.insert("VALUE " + hex(lower(path)) + " " + hex(lower(string(name, nameLength))) + " " +
                     std::to_string(type) + " " + hex(string(data.begin(), data.begin() + size)));
    }
    for (std::uint32_t index = 0;; ++index) {
        std::uint32_t nameLength = sizeof name;
        if (os::regEnumKeyEx(key, index, name, &nameLength) != os::errorSuccess)
            break;
        os::HKey child = nullptr;
        if (os::regOpenKeyEx(key, name, os::keyRead | os::keyWow64_64Key, &child) == os::errorSuccess) {
            dumpKey(child, path + "\\" + string(name, nameLength), lines);
            os::regCloseKey(child);
        }
    }
}

void dump() {
    std::set<string> lines;
    for (const Area &area : areas) {
        os::HKey key = nullptr;
        if (os::regOpenKeyEx(area.root, area.path, os::keyRead | os::keyWow64_64Key, &key) !=
            os::errorSuccess)
            continue;
        dumpKey(key, string(area.rootName) + "\\" + area.path, lines);
        os::regCloseKey(key);
    }
    for (const string &line : lines)
        std::printf("%s\n", line.c_str());
}

bool copy(const char *from, const char *to) {
    std::ifstream in(from, std::ios::binary);
    regtree::Key tree;
    if (!in || !regfile::readRegFile(string(std::istreambuf_iterator<char>(in), {}), tree, from))
        return false;
    std::ofstream out(to, std::ios::binary);
    return static_cast<bool>(out << regfile::writeRegFile(tree));
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 2 && std::strcmp(argv[1], "write") == 0)
        writeSequence();
    else if (argc == 2 && std::strcmp(argv[1], "dump") == 0)
        dump();
    else if (argc == 4 && std::strcmp(argv[1], "copy") == 0)
        failed = !copy(argv[2], argv[3]);
    else {
        std::fprintf(stderr, "usage: veltra_regdriver write|dump|copy FROM TO\n");
        return 2;
    }
    return failed ? 1 : 0;
}
