// veltractl, the Configurator's command line for IT people: the same deployment as the dialog's
// OK without a window, a status usable as a detection rule, and every user of a PC at once.
#pragma once

#include <string>
#include <vector>

// The exit codes.
constexpr int ctlDone = 0;
constexpr int ctlBadChoice = 2;       // bad command line, unknown or ambiguous choice, rights missing
constexpr int ctlNotRegistered = 3;   // status: not registered or not consistent
constexpr int ctlChangeFailed = 4;    // a change could not be made
constexpr int ctlHostRunning = 5;     // deploy: the host is running (--force goes on)

// The outcome an exit code stands for, in a few words (the log's last line).
const char *ctlOutcome(int exitCode);

// Runs the command arguments (those after the program name) give; returns the exit code.
int runVeltractl(const std::vector<std::string> &arguments);
