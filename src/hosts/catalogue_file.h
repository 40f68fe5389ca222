// The catalogue file "system\hotes.ini" of the program folder: host versions that the add-on's
// maker ships as data, added to the built-in catalogue or correcting one of its rows.
#pragma once

#include "hosts/host_version.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

class CharInput;

// Reading stops after this many rows or bytes: a real file holds a few dozen rows, so anything
// beyond is no catalogue of this program and must not take memory without bound.
constexpr int kMaxCatalogueFileRows = 500;
constexpr std::size_t kMaxCatalogueFileSize = 1024 * 1024;

// The built-in rows completed by the rows of a catalogue file, ended by the terminator.
//
// The file is a parameter file (UTF-16 and UTF-8 with a byte-order mark are read too) whose every
// entry is one row; its block holds the row's fields by name: displayName, registryPath,
// locationValue, versionTag, the optional subkeyFilter, family (a HostFamily name such as
// "AutoCad") and flags (hexadecimal, "0x2381"). A row whose registryPath and subkeyFilter equal
// those of a built-in row or of an earlier file row takes that row's place (a maker corrects a row
// so, and a repeated row is listed once); the others follow the built-in rows in file order. A row
// with a field missing or malformed is skipped with one diagnostic line naming the row and field.
class CompleteCatalogue {
public:
    CompleteCatalogue();
    CompleteCatalogue(const CompleteCatalogue &) = delete;
    CompleteCatalogue &operator=(const CompleteCatalogue &) = delete;

    // Merges the rows of a catalogue file read from in; returns how many were taken.
    int read(CharInput &in);
    // The rows, terminator last. They never move once read returned.
    const HostVersion *rows() const { return table.data(); }

private:
    // Adds row, its texts copied, or puts it in the place of the row with the same key.
    void place(const HostVersion &row);
    const char *keep(const char *text);

    std::deque<std::string> texts; // the file rows' texts; a deque never moves them
    std::vector<HostVersion> table;
};

// Completes the catalogue in use with <program folder>\system\hotes.ini. When the file gives rows,
// the completed catalogue is used from now on; otherwise (no file, no good row) the built-in table.
// Returns the number of rows taken from the file.
int loadHostCatalogue();
