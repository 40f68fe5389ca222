// veltractl's command line: the command, its options and their values, checked strictly before
// anything is read or changed.
#pragma once

#include <string>
#include <vector>

enum class CtlCommand { Hosts, Languages, Status, Deploy, Undo, Remove, Doctor };

struct CtlOptions {
    CtlCommand command = CtlCommand::Hosts;
    std::string host;     // --host SEL, empty when not given
    std::string language; // --language LANG
    std::string context;  // --context NAME
    bool contextGiven = false;
    int bits = 0;      // --bits 32|64; 0 when not given
    int autoload = -1; // --autoload 1, --no-autoload 0, not given -1
    bool noLaunch = false;
    bool json = false;
    bool allUsers = false;
    bool preview = false; // --preview: the changes listed, none made
    bool force = false;   // --force: deploy even while the host runs
    bool allRuns = false; // undo --all
    bool allHosts = false; // remove --all-hosts
    std::vector<std::string> registryFiles; // doctor --registry FILE, each time given
};

// Takes arguments (those after the program name) apart into options. false with one French line
// in error for an unknown command or option, an option the command does not take, a missing or
// bad value, or a missing required option.
bool parseCtlArguments(const std::vector<std::string> &arguments, CtlOptions &options, std::string &error);

// The usage text, one line per command.
const char *ctlUsage();
