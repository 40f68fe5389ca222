// The host's executable looked up in the list of running programs.
#include "hosts/running_host.h"

#include "files/file_utils.h"
#include "platform/process_list.h"

#include <algorithm>

bool hostIsRunning(const ParamNode &host) {
    const char *executable = host.GetText("CIBLE", "");
    std::vector<std::string> running;
    if (executable[0] == '\0' || os::runningExecutables(running) != 0)
        return false;
    return std::any_of(running.begin(), running.end(),
                       [executable](const std::string &path) { return samePath(path.c_str(), executable) != 0; });
}
