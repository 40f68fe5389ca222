// Mapping of Windows paths onto the sandbox folder, with the case-insensitive lookup of
// components that makes the host file system behave like a Windows one.
#include "platform/posix/host_path.h"

#include "platform/ascii_case.h"
#include "platform/posix/codepage.h"
#include "platform/posix/sandbox_root.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>

namespace os {

namespace {

bool isSeparator(char character) {
    return character == '/' || character == '\\';
}

bool hasDriveLetter(const std::string &path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

std::string joined(const std::string &folder, const std::string &name) {
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool exists(const std::string &path) {
    struct stat status;
    return lstat(path.c_str(), &status) == 0;
}

// The entry of folder whose name equals name without regard to ASCII case; empty when none.
std::string entryIgnoringCase(const std::string &folder, const std::string &name) {
    DIR *listing = opendir(folder.empty() ? "." : folder.c_str());
    if (listing == nullptr)
        return std::string();
    std::string match;
    while (dirent *entry = readdir(listing)) {
        if (equalIgnoringCase(entry->d_name, name.c_str())) {
            match = entry->d_name;
            break;
        }
    }
    closedir(listing);
    return match;
}

// Appends one component to a path being resolved; found stays true while every component
// so far exists on the host.
void appendComponent(std::string &path, const std::string &name, bool &found) {
    std::string written = joined(path, name);
    if (!found || name == "." || name == ".." || exists(written)) {
        path = written;
        return;
    }
    std::string match = entryIgnoringCase(path, name);
    found = !match.empty();
    path = found ? joined(path, match) : written;
}

} // namespace

std::string hostPath(const char *windowsPath) {
    std::string path = utf8FromSystem(windowsPath == nullptr ? "" : windowsPath);
    std::string resolved;
    std::size_t at = 0;
    bool found = true;
    if (hasDriveLetter(path)) {
        resolved = sandboxRoot();
        std::string drive = "drive_";
        drive.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(path[0]))));
        appendComponent(resolved, drive, found);
        resolved.push_back('/');
        at = 2;
    } else if (!path.empty() && isSeparator(path[0])) {
        resolved = "/";
    }
    while (at < path.size()) {
        std::size_t end = at;
        while (end < path.size() && !isSeparator(path[end]))
            ++end;
        if (end > at)
            appendComponent(resolved, path.substr(at, end - at), found);
        at = end + 1;
    }
    if (!path.empty() && isSeparator(path.back()) && !resolved.empty() && resolved.back() != '/')
        resolved.push_back('/');
    return resolved;
}

std::string windowsPath(const std::string &hostPath) {
    std::string path = hostPath;
    char *realRoot = realpath(sandboxRoot().c_str(), nullptr);
    std::string drives = std::string(realRoot != nullptr ? realRoot : sandboxRoot().c_str()) + "/drive_";
    std::free(realRoot);
    if (path.compare(0, drives.size(), drives) == 0 && path.size() > drives.size() &&
        std::isalpha(static_cast<unsigned char>(path[drives.size()])) &&
        (path.size() == drives.size() + 1 || path[drives.size() + 1] == '/')) {
        std::string rest = path.substr(drives.size() + 1);
        path =
            std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(path[drives.size()])))) +
            ":" + (rest.empty() ? "/" : rest);
    }
    for (char &character : path)
        if (character == '/')
            character = '\\';
    std::string windows;
    return systemFromUtf8(path, windows) ? windows : std::string();
}

} // namespace os
