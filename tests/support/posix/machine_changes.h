// What a run of the programs changed on a sample machine copy, as text a golden file can hold:
// the files of drive_c and the registry keys, before and after (Linux build only).
#pragma once

#include <map>
#include <string>

// The bytes of a file; empty when it is missing.
std::string fileBytes(const std::string &path);

struct MachineSnapshot {
    std::map<std::string, std::string> files;    // path below drive_c -> bytes (the log folder left out)
    std::map<std::string, std::string> registry; // "[key]" line -> its value lines sorted, as UTF-8
};
MachineSnapshot snapshotOf(const std::string &root);
inline bool operator==(const MachineSnapshot &a, const MachineSnapshot &b) {
    return a.files == b.files && a.registry == b.registry;
}

// Files new, changed or removed and registry keys whose values changed (every line of the key
// after the run), one block each.
std::string changesBetween(const MachineSnapshot &before, const MachineSnapshot &after);

// Compares actual with the golden file; VELTRA_UPDATE_GOLDEN=1 rewrites the file instead.
void expectGolden(const std::string &actual, const std::string &goldenPath);
