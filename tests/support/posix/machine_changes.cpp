// Snapshots of a sample machine copy and the changes between two (see machine_changes.h).
#include "support/posix/machine_changes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

std::string fileBytes(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

namespace {

// The registry file (UTF-16LE with a mark, characters of the first plane, or UTF-8) as UTF-8.
std::string registryText(const std::string &bytes) {
    if (bytes.compare(0, 2, "\xFF\xFE") != 0)
        return bytes;
    std::string text;
    for (std::size_t at = 2; at + 1 < bytes.size(); at += 2) {
        unsigned code = static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
        if (code < 0x80)
            text += static_cast<char>(code);
        else if (code < 0x800)
            text += {static_cast<char>(0xC0 | code >> 6), static_cast<char>(0x80 | (code & 0x3F))};
        else
            text += {static_cast<char>(0xE0 | code >> 12), static_cast<char>(0x80 | (code >> 6 & 0x3F)),
                     static_cast<char>(0x80 | (code & 0x3F))};
    }
    return text;
}

template <class Map> std::string changes(const Map &before, const Map &after, const char *label) {
    std::string text;
    for (const auto &[name, content] : after) {
        auto old = before.find(name);
        if (old == before.end() || old->second != content)
            text += std::string(label) + " " + name + (old == before.end() ? " (new)" : "") + "\n" + content;
    }
    for (const auto &[name, content] : before)
        if (after.count(name) == 0)
            text += std::string(label) + " " + name + " (removed)\n";
    return text;
}

} // namespace

MachineSnapshot snapshotOf(const std::string &root) {
    MachineSnapshot snapshot;
    const fs::path drive = root + "/drive_c";
    for (const auto &entry : fs::recursive_directory_iterator(drive)) {
        std::string path = fs::relative(entry.path(), drive).string();
        if (entry.is_regular_file() && path.find("/AppData/Local/Veltra/") == std::string::npos)
            snapshot.files[path] = fileBytes(entry.path());
    }
    // Each value with its continuation lines, sorted by name: the order of a key's values is not
    // part of what the programs must keep.
    std::map<std::string, std::vector<std::string>> values;
    std::string key;
    std::istringstream lines(registryText(fileBytes(root + "/registry.reg")));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.compare(0, 2, "[-") == 0 && line.find('\\') != std::string::npos) {
            // A key deleted with its subkeys, as the registry reads the line (a root is never deleted).
            const std::string deleted = "[" + line.substr(2, line.size() - 3);
            for (auto entry = values.begin(); entry != values.end();) {
                const bool gone = entry->first == deleted + "]" || entry->first.rfind(deleted + "\\", 0) == 0;
                entry = gone ? values.erase(entry) : std::next(entry);
            }
            key.clear();
        } else if (!line.empty() && line.front() == '[') {
            key = line;
            values[key]; // a key without values is part of the machine too
        }
        else if (line.compare(0, 2, "  ") == 0 && !values[key].empty())
            values[key].back() += line + "\n";
        else if (!line.empty())
            values[key].push_back(line + "\n");
    }
    for (auto &[name, entries] : values) {
        std::sort(entries.begin(), entries.end());
        for (const std::string &entry : entries)
            snapshot.registry[name] += entry;
    }
    return snapshot;
}

std::string changesBetween(const MachineSnapshot &before, const MachineSnapshot &after) {
    return changes(before.files, after.files, "file") + changes(before.registry, after.registry, "key");
}

void expectGolden(const std::string &actual, const std::string &goldenPath) {
    if (std::getenv("VELTRA_UPDATE_GOLDEN") != nullptr)
        std::ofstream(goldenPath, std::ios::binary) << actual;
    EXPECT_EQ(actual, fileBytes(goldenPath)) << goldenPath;
}
