// The Linux half of the argument recorder: the test program's own path and arguments.
#include "support/argument_recorder.h"

#include "platform/posix/codepage.h"
#include "platform/posix/host_path.h"

#include <climits>
#include <fstream>
#include <iterator>
#include <unistd.h>

std::string testProgramPath() {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? os::windowsPath(std::string(path, length)) : std::string();
}

namespace {

const bool checked = [] {
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::string> arguments;
    for (std::size_t start = 0, end; start < raw.size(); start = end + 1) {
        end = raw.find('\0', start);
        if (end == std::string::npos)
            end = raw.size();
        arguments.push_back(os::cp1252FromUtf8(raw.substr(start, end - start)));
    }
    recordArgumentsIfAsked(arguments);
    return true;
}();

} // namespace
