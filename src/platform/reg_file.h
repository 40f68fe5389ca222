// Registry export files (.reg): the sandbox keeps its registry in one, and Windows' reg and
// regedit read and write the same format.
#pragma once

#include "platform/reg_tree.h"

#include <string>

namespace regfile {

// Applies a registry file (its raw bytes) to `root`, whose subkeys are the hives: keys are created,
// values set, "[-KEY]" and "name"=- delete. Reads version 5 in UTF-16LE (with its byte-order mark)
// or UTF-8 (else code page 1252, as an ANSI export), and REGEDIT4 in code page 1252. A line that does not parse is skipped with one line on
// the standard error stream naming `source` and the line, and counted in `skippedLines` when
// given; the rest is kept. Empty content is an empty registry. False, with `root` untouched, when
// the content is no registry file at all.
bool readRegFile(const std::string &content, regtree::Key &root, const std::string &source,
                 std::size_t *skippedLines = nullptr);

// The whole registry below `root` as a version 5 file: UTF-16LE with its mark, CR LF line ends,
// every key below the hives (a hive only when it holds values), subkeys in sorted order.
std::string writeRegFile(const regtree::Key &root);

} // namespace regfile
