// The sandbox's running programs: the lines of processes.txt in the sandbox folder.
#include "platform/process_list.h"

#include "platform/error_codes.h"
#include "platform/posix/codepage.h"
#include "platform/posix/sandbox_root.h"

#include <fstream>

namespace os {

unsigned long runningExecutables(std::vector<std::string> &paths) {
    paths.clear();
    std::ifstream list(sandboxRoot() + "/processes.txt", std::ios::binary);
    std::string line, path;
    while (std::getline(list, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        if (!line.empty() && systemFromUtf8(line, path))
            paths.push_back(path);
    }
    return errorSuccess;
}

} // namespace os
