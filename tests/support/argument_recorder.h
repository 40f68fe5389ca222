// A program that records the arguments it was started with, for tests of program start: the
// test program itself, started with --record-arguments, writes them and ends before any test.
#pragma once

#include <string>
#include <vector>

// The command line that starts the recorder: it writes each argument after outputFile to
// outputFile (a Windows path), one per line ending in a line feed, then a last line "<end>".
// arguments is appended to the command line as it is.
std::string recorderCommandLine(const std::string &outputFile, const std::string &arguments);

// Makes the program file at windowsPath (its folder existing) start the recorder, so that a
// program started there records its arguments when the first two are --record-arguments and
// the output file. false when it could not be made.
bool installRecorder(const std::string &windowsPath);

// Records when arguments (program name first) ask for it, and then ends the process.
// Called by the platform half before the tests start.
void recordArgumentsIfAsked(const std::vector<std::string> &arguments);

// The platform half: Windows path of the running test program.
std::string testProgramPath();
