// Registry export files (.reg): the sandbox keeps its registry in one, and Windows' reg and
// regedit read and write the same format.
#pragma once

#include "platform/reg_tree.h"

#include <string>

namespace regfile {

// Applies a registry file (its raw bytes) to `root`, whose subkeys are the hives: keys are created,
// values set, "[-KEY]" and "name"=- delete. Reads version 5 in UTF-16LE (with its byte-order mark)
// or UTF-8, and REGEDIT4 in code page 1252. A line that does not parse, or names a key deeper or
// longer than Windows allows, is skipped with one line on the standard error stream naming
// `source` and the line; a line of an 8-bit version 5 file that is not UTF-8 is read as code page
// 1252 (one line on the standard error stream says how many). Both are counted in
// `doubtfulLines` when given: the file then holds what will not be written back as it was. The
// rest is kept. Empty content is an empty registry. False, with `root` untouched, when the
// content is no registry file at all.
bool readRegFile(std::string content, regtree::Key &root, const std::string &source,
                 std::size_t *doubtfulLines = nullptr);

// The whole registry below `root` as a version 5 file: UTF-16LE with its mark, CR LF line ends,
// every key below the hives (a hive only when it holds values), subkeys in sorted order.
std::string writeRegFile(const regtree::Key &root);

// Where a registry file is written piece by piece, and what it held when last written.
class RegFileOutput {
public:
    virtual ~RegFileOutput() = default;
    virtual bool add(const std::string &bytes) = 0;
    // Adds `length` bytes from `offset` of the file as this output's last write left it.
    virtual bool addPrevious(std::size_t offset, std::size_t length) = 0;
};

// Writes the same bytes into `out`; with `reuse`, `root` was last written by this function into
// the file `out` knows as previous, and the part of every key unchanged since (see
// Key::markChanged) is copied from there. False when `out` fails.
bool writeRegFile(const regtree::Key &root, RegFileOutput &out, bool reuse);

// One value as writeRegFile writes its line ("name"=data, ended by CR LF), for files that list
// changes rather than a whole registry.
std::u16string regValueLine(const regtree::Value &value);

} // namespace regfile
