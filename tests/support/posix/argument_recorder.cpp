// The Linux half of the argument recorder: the test program's own path and arguments.
#include "support/argument_recorder.h"

#include "platform/posix/command_line.h"
#include "platform/posix/host_path.h"

#include <climits>
#include <unistd.h>

std::string testProgramPath() {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? os::windowsPath(std::string(path, length)) : std::string();
}

namespace {

const bool checked = [] {
    recordArgumentsIfAsked(os::processArguments());
    return true;
}();

} // namespace
