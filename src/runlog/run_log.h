// The programs' log file, <Local AppData>\Veltra\veltracfg.log, for support in the field: a first
// line per run (when, which program and version, process, command line, Windows bitness, rights),
// every diagnostic line as the standard error stream gets it, and a last line with the outcome.
#pragma once

#include <string>

namespace runlog {

// A log over this size is renamed to veltracfg.1.log (the older one dropped) before a run writes.
constexpr long rotationSize = 1024 * 1024;

// Opens the log in folder (created when missing), rotating it first, and writes the run's first
// line for program; from then on every diagnostic is copied to it, those already written included.
// A log that cannot be opened or written is left aside: the run goes on as without it.
void openRunLog(const std::string &folder, const char *program);

// Writes the last line (the outcome, the exit code and the folder of the run's journal, if it
// wrote one) and closes the log.
void closeRunLog(const char *outcome, int exitCode);

} // namespace runlog
