// One change to the machine as the journal keeps it and a preview lists it: what was changed,
// what was there before (the before-image) and what the change left there.
#pragma once

#include <cstdint>
#include <string>

namespace journal {

struct Change {
    enum class Kind { CreateKey, SetValue, DeleteValue, WriteFile, DeleteFile, CreateFolder, StartProgram };

    Kind kind = Kind::SetValue;
    // The key's full name (CreateKey: the highest key that did not exist; SetValue, DeleteValue:
    // the value's key), the file's or folder's path, or the command line of the started program.
    std::string target;
    std::string name; // SetValue, DeleteValue: the value's name (empty: the default value)

    // SetValue, DeleteValue, WriteFile, DeleteFile: whether the value or file existed, and its type and data
    // (code page 1252 texts, as the program reads them) or its bytes.
    bool existedBefore = false;
    std::uint32_t typeBefore = 0;
    std::string before;

    // SetValue: the type and data written. WriteFile: the fingerprint of the bytes written.
    std::uint32_t typeAfter = 0;
    std::string after;
};

// The fingerprint of a file's content that the journal keeps instead of a copy of what it wrote:
// its size and a 64-bit hash of its bytes.
std::string fingerprintOf(const std::string &bytes);

// The change as one line a person can read, the same for a preview and for a real run:
// e.g. valeur HKEY_CURRENT_USER\Software\X [NumStartup] = "2" (avant "1").
std::string describe(const Change &change);

// The change as one line of the journal's list, and back; false for a line that is no change.
// File before-images are not in the line: the journal keeps them as files of their own.
std::string encodeChange(const Change &change);
bool decodeChange(const std::string &line, Change &change);

} // namespace journal
