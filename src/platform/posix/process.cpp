// The running program and program start in the sandbox: Windows-like module name and command
// line, programs started with posix_spawn after splitting the command line the Windows way.
#include "platform/process.h"

#include "platform/error_codes.h"
#include "platform/out_buffer.h"
#include "platform/posix/codepage.h"
#include "platform/posix/command_line.h"
#include "platform/posix/crash_after.h"
#include "platform/posix/host_path.h"

#include <climits>
#include <cstdlib>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace os {

namespace {

std::string ownExecutable() {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    return length > 0 && static_cast<std::size_t>(length) < sizeof path ? std::string(path, length) : "";
}

bool isExecutableFile(const std::string &path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// Started programs are not waited for, but those that have ended are reaped on the next start
// so they do not linger as zombies.
std::vector<pid_t> &startedPrograms() {
    static std::vector<pid_t> started;
    return started;
}

void reapEndedPrograms() {
    std::vector<pid_t> &started = startedPrograms();
    for (std::size_t index = 0; index < started.size();) {
        if (waitpid(started[index], nullptr, WNOHANG) != 0) {
            started[index] = started.back();
            started.pop_back();
        } else {
            ++index;
        }
    }
}

} // namespace

unsigned long getModuleFileName(char *buffer, unsigned long size) {
    const char *program = std::getenv("VELTRA_PROGRAM");
    std::string name;
    if (program != nullptr && program[0] != '\0') {
        if (!systemFromUtf8(program, name))
            name.clear(); // a path the code page cannot hold names no file
    } else if (std::string executable = ownExecutable(); !executable.empty())
        name = windowsPath(executable);
    return name.empty() ? 0 : copyTruncated(name, buffer, size);
}

const char *getCommandLine() {
    static const std::string commandLine = joinCommandLine(processArguments());
    return commandLine.c_str();
}

unsigned long processId() {
    return static_cast<unsigned long>(getpid());
}

unsigned long createProcess(const char *commandLine) {
    reapEndedPrograms();
    std::vector<std::string> arguments = splitCommandLine(commandLine == nullptr ? "" : commandLine);
    if (arguments.empty())
        return errorFileNotFound;
    std::string program = hostPath(arguments.front().c_str());
    if (!isExecutableFile(program))
        return errorFileNotFound;

    std::vector<std::string> hostArguments;
    for (const std::string &argument : arguments)
        hostArguments.push_back(utf8FromSystem(argument));
    std::vector<char *> argv;
    for (std::string &argument : hostArguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t child;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return errorFileNotFound;
    startedPrograms().push_back(child);
    countMachineChange();
    return errorSuccess;
}

} // namespace os
