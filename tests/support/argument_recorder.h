// A program that records the arguments it was started with, for tests of program start: the
// test program itself, started while the environment names a record file, writes its arguments
// there and ends without running any test.
#pragma once

#include <string>

// While it lives, a test program started by this process (the environment is inherited) is a
// recorder: it writes each argument after the program name to recordFile (a path of the test
// machine's host, as TestMachine gives it), one per line ending in a line feed, then a last line
// "<end>", and ends. Its role comes from the environment alone, never from its command line, so
// a program started with a mangled command line still records and ends at once.
class ArgumentRecorder {
public:
    explicit ArgumentRecorder(const std::string &recordFile);
    ~ArgumentRecorder();
    ArgumentRecorder(const ArgumentRecorder &) = delete;
    ArgumentRecorder &operator=(const ArgumentRecorder &) = delete;
};

// The command line that starts the test program (a recorder while an ArgumentRecorder lives),
// arguments appended as they are.
std::string recorderCommandLine(const std::string &arguments);

// Makes the program file at windowsPath (its folder existing) the test program, so that a
// program started there records while an ArgumentRecorder lives. false when it could not be made.
bool installRecorder(const std::string &windowsPath);

// Called first by every test program's main: when the environment names a record file, records
// argc/argv there and gives true (the program then ends with the result in exitCode).
bool recordArgumentsIfAsked(int argc, char **argv, int &exitCode);

// The platform half: Windows path of the running test program.
std::string testProgramPath();
