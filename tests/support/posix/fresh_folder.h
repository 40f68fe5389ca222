// A new empty folder for a test's machines, in memory where the system offers it: the programs
// flush each change to disk, and on a busy shared disk a run of many changes gets slow.
#pragma once

#include <string>

// Makes a folder NAME-XXXXXX under /dev/shm, or under /tmp when /dev/shm cannot take it; gives
// its path, or the empty text when neither could.
std::string freshTestFolder(const char *name);
