// Resolves the sandbox folder of the Linux build from the environment.
#include "platform/posix/sandbox_root.h"

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isSet(const char* value) { return value != nullptr && value[0] != '\0'; }

void makeFolderChain(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0777);
    mkdir(path.c_str(), 0777);
}

// The path without its trailing slashes ("/" stays).
std::string_view withoutTrailingSlashes(std::string_view path) {
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    return path;
}

// VELTRA_ROOT, as getenv gives it. The folder is asked for at every key opened, and getenv
// searches the whole environment: the entry found last is looked at first. setenv, putenv and
// unsetenv (the only ways this program changes its environment) replace that entry, move it or
// move the environment, so a changed variable is seen.
const char *rootVariable() {
    static const char name[] = "VELTRA_ROOT=";
    static char **lastEnvironment = nullptr;
    static std::size_t lastSlot = 0;
    if (environ != nullptr && environ == lastEnvironment && environ[lastSlot] != nullptr &&
        std::strncmp(environ[lastSlot], name, sizeof name - 1) == 0)
        return environ[lastSlot] + sizeof name - 1;
    lastEnvironment = nullptr;
    for (std::size_t slot = 0; environ != nullptr && environ[slot] != nullptr; ++slot)
        if (std::strncmp(environ[slot], name, sizeof name - 1) == 0) {
            lastEnvironment = environ;
            lastSlot = slot;
            return environ[slot] + sizeof name - 1;
        }
    return nullptr;
}

} // namespace

const std::string &sandboxRoot() {
    static std::string root;
    const char* named = rootVariable();
    if (isSet(named)) {
        const std::string_view folder = withoutTrailingSlashes(named);
        if (root != folder) // the same folder as last time: no copy
            root.assign(folder);
        return root;
    }

    std::string data;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (isSet(xdg))
        data = xdg;
    else
        data = std::string(isSet(home) ? home : "/tmp") + "/.local/share";
    root.assign(withoutTrailingSlashes(data));
    root += "/veltra/machine";
    makeFolderChain(root);
    return root;
}
