// Resolves the sandbox folder of the Linux build from the environment.
#include "platform/posix/sandbox_root.h"

#include <cstdlib>
#include <string_view>
#include <sys/stat.h>

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

} // namespace

const std::string &sandboxRoot() {
    static std::string root;
    const char* named = std::getenv("VELTRA_ROOT");
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
