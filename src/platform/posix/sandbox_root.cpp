// Resolves the sandbox folder of the Linux build from the environment.
#include "platform/posix/sandbox_root.h"

#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace {

bool isSet(const char* value) { return value != nullptr && value[0] != '\0'; }

void makeFolderChain(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0777);
    mkdir(path.c_str(), 0777);
}

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

const std::string &sandboxRoot() {
    static std::string root;
    const char* named = std::getenv("VELTRA_ROOT");
    if (isSet(named)) {
        std::size_t length = std::strlen(named);
        while (length > 1 && named[length - 1] == '/')
            --length;
        if (root.compare(0, std::string::npos, named, length) != 0) // the same folder as last time: no copy
            root.assign(named, length);
        return root;
    }

    std::string data;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (isSet(xdg))
        data = xdg;
    else
        data = std::string(isSet(home) ? home : "/tmp") + "/.local/share";
    root = withoutTrailingSlashes(data) + "/veltra/machine";
    makeFolderChain(root);
    return root;
}
