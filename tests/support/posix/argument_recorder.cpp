// The Linux half of the argument recorder: the test program's own path, linked where a program
// is expected.
#include "support/argument_recorder.h"

#include "platform/posix/host_path.h"

#include <climits>
#include <unistd.h>

namespace {
std::string ownExecutable() {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, length) : std::string();
}
} // namespace

std::string testProgramPath() {
    std::string path = ownExecutable();
    return path.empty() ? path : os::windowsPath(path);
}

bool installRecorder(const std::string &windowsPath) {
    return symlink(ownExecutable().c_str(), os::hostPath(windowsPath.c_str()).c_str()) == 0;
}
