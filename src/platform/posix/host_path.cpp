// Mapping of Windows paths onto the sandbox folder, with the case-insensitive lookup of
// components that makes the host file system behave like a Windows one.
#include "platform/posix/host_path.h"

#include "platform/ascii_case.h"
#include "platform/posix/codepage.h"
#include "platform/posix/sandbox_root.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

// What a resolution knows before it starts: a host path absent as written (or a dangling link,
// which the listing of its folder finds) and a folder that exists as written, so that the folders
// above it do too. Neither is looked at again.
struct Known {
    std::string absent;
    std::string existing;
    bool exists(const std::string &path) const {
        bool aboveExisting = !existing.empty() && existing.compare(0, path.size(), path) == 0 &&
                             (existing.size() == path.size() || existing[path.size()] == '/');
        return path != absent && (aboveExisting || os::exists(path));
    }
};

// Appends one component to a path being resolved; found stays true while every component
// so far exists on the host. As written: each component taken as it is, none looked at.
void appendComponent(std::string &path, const std::string &name, bool &found, bool asWritten,
                     const Known &known) {
    std::string written = joined(path, name);
    if (asWritten || !found || name == "." || name == ".." || known.exists(written)) {
        path = written;
        return;
    }
    std::string match = entryIgnoringCase(path, name);
    found = !match.empty();
    path = found ? joined(path, match) : written;
}

// The absolute path that `path` leads to, symbolic links followed in the part that exists; empty
// when a link there cannot be followed (it dangles: writing would create its target).
std::string realExistingPart(const std::string &path) {
    std::string existing = path;
    std::string rest;
    for (;;) {
        if (char *real = realpath(existing.c_str(), nullptr)) {
            std::string resolved = real + rest;
            std::free(real);
            return resolved;
        }
        std::size_t slash = existing.find_last_of('/');
        if (exists(existing) || slash == std::string::npos || slash == 0)
            return std::string();
        rest = existing.substr(slash) + rest;
        existing.resize(slash);
    }
}

// hostPath, or with asWritten the host path of the same components taken as they are written;
// found: whether each component was found (as written or in another letter case), so that the
// path surely names nothing when found is false.
std::string resolvedPath(const std::string &path, bool asWritten, bool &found, const Known &known) {
    std::string resolved;
    std::size_t at = 0;
    found = true;
    bool drive = hasDriveLetter(path);
    if (drive) {
        resolved = sandboxRoot();
        std::string folder = "drive_";
        folder.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(path[0]))));
        appendComponent(resolved, folder, found, asWritten, known);
        resolved.push_back('/');
        at = 2;
    } else if (!path.empty() && isSeparator(path[0])) {
        resolved = "/";
    }
    // On a drive, "." and ".." are resolved as text, as Windows does: ".." takes back the last
    // component and never climbs above the drive's root.
    struct Level {
        std::size_t length;
        bool found;
    };
    std::vector<Level> levels;
    while (at < path.size()) {
        std::size_t end = at;
        while (end < path.size() && !isSeparator(path[end]))
            ++end;
        std::string name = path.substr(at, end - at);
        at = end + 1;
        if (name.empty() || (drive && name == "."))
            continue;
        if (drive && name == "..") {
            if (!levels.empty()) {
                resolved.resize(levels.back().length);
                found = levels.back().found;
                levels.pop_back();
            }
            continue;
        }
        levels.push_back({resolved.size(), found});
        appendComponent(resolved, name, found, asWritten, known);
    }
    if (!path.empty() && isSeparator(path.back()) && !resolved.empty() && resolved.back() != '/')
        resolved.push_back('/');
    return resolved;
}

// The resolution of a path whose host path as written, `written`, is absent: the folder holding
// its last component is looked at first, so that when it exists only that component is looked for.
std::string resolvedAbsent(const std::string &path, const std::string &written, bool &found) {
    Known known{written, {}};
    std::size_t slash = written.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && slash + 1 < written.size() &&
        exists(written.substr(0, slash)))
        known.existing = written.substr(0, slash);
    return resolvedPath(path, false, found, known);
}

} // namespace

std::string hostPath(const char *windowsPath) {
    std::string path = utf8FromSystem(windowsPath == nullptr ? "" : windowsPath);
    // A path that exists as written is its own resolution, each of its components existing so: one
    // status read instead of one per component.
    bool found;
    std::string written = resolvedPath(path, true, found, Known());
    return exists(written) ? written : resolvedAbsent(path, written, found);
}

bool hostAccess(const char *windowsPath, int hostMode) {
    std::string path = utf8FromSystem(windowsPath == nullptr ? "" : windowsPath);
    bool found;
    std::string written = resolvedPath(path, true, found, Known());
    if (::access(written.c_str(), hostMode) == 0)
        return true; // it exists as written, so it is its own resolution
    if (errno != ENOENT && exists(written))
        return false; // its own resolution, which refuses hostMode
    std::string resolved = resolvedAbsent(path, written, found);
    return found && ::access(resolved.c_str(), hostMode) == 0; // a path surely missing is not asked
}

std::string hostPathForWriting(const char *windowsPath) {
    std::string path = hostPath(windowsPath);
    if (!hasDriveLetter(windowsPath == nullptr ? "" : windowsPath))
        return path; // a host path names the host's own file
    std::string real = realExistingPart(path);
    std::string root = realExistingPart(sandboxRoot());
    bool inside = !real.empty() && !root.empty() && real.compare(0, root.size(), root) == 0 &&
                  (real.size() == root.size() || real[root.size()] == '/');
    return inside ? path : std::string();
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
