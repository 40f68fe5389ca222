// What each host family looks like on disk: its executable, the add-on module files that serve
// it beside the Configurator, and the launcher through which it opens drawings.
#pragma once

#include "hosts/host_version.h"

class TextString;

// Mask bits of findModuleFiles.
constexpr int kModule32Found = 1;
constexpr int kModule64Found = 2;

// The executable looked for in a host's installation folder (AutoCAD LT: the first choice,
// see alternateExecutableName); null for NoHost and unknown families.
const char *executableName(HostFamily family);
// The executable tried when executableName is missing from the folder; null when there is none.
const char *alternateExecutableName(HostFamily family);

// Looks for the row's 32-bit and 64-bit add-on module files in the Configurator's folder. A file
// counts only when the row has that module size and the file exists. Each out text (when given)
// receives the full path of a file that counts, or the empty text. Returns the mask of the files
// that count: 0 for a row without module flags or of an unknown family.
int findModuleFiles(const HostVersion &row, TextString *out32, TextString *out64);

// The command that opens drawings through the host's launcher, for the host executable exe.
// Empties command and returns false when the family has no launcher or its file is missing.
bool findLauncher(HostFamily family, const char *exe, TextString &command);
