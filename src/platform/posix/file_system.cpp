// Files and folders of the sandbox machine: Windows paths mapped onto the host file system.
#include "platform/file_system.h"

#include "platform/ascii_case.h"
#include "platform/posix/codepage.h"
#include "platform/posix/crash_after.h"
#include "platform/posix/host_path.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace os {

// A search reads its whole listing at the start, sorted by name as Windows file systems list.
struct FindSearch {
    std::vector<FindData> entries;
    std::size_t next = 0;
};

namespace {

constexpr unsigned long fileAttributeArchive = 0x20; // what Windows shows for an ordinary file

bool isSeparator(char character) {
    return character == '/' || character == '\\';
}

// Windows wildcard matching: '*' any run of characters, '?' one character, letters without
// regard to ASCII case.
bool wildcardMatch(const char *pattern, const char *name) {
    for (; *pattern != '\0'; ++pattern, ++name) {
        if (*pattern == '*') {
            for (const char *rest = name;; ++rest) {
                if (wildcardMatch(pattern + 1, rest))
                    return true;
                if (*rest == '\0')
                    return false;
            }
        }
        if (*name == '\0' || (*pattern != '?' && asciiLower(*pattern) != asciiLower(*name)))
            return false;
    }
    return *name == '\0';
}

// As Windows, a pattern ending in ".*" also matches names without extension ("*.*" is "*").
bool patternMatches(const std::string &pattern, const std::string &name) {
    if (wildcardMatch(pattern.c_str(), name.c_str()))
        return true;
    std::size_t length = pattern.size();
    return length >= 2 && pattern.compare(length - 2, 2, ".*") == 0 &&
           wildcardMatch(pattern.substr(0, length - 2).c_str(), name.c_str());
}

bool makeEntry(const std::string &hostFile, const std::string &name, FindData &entry) {
    if (name.size() >= maxPath)
        return false; // never handed out cut to another name
    struct stat status;
    if (stat(hostFile.c_str(), &status) != 0 && lstat(hostFile.c_str(), &status) != 0)
        return false;
    entry.attributes = S_ISDIR(status.st_mode) ? fileAttributeDirectory : fileAttributeArchive;
    std::memcpy(entry.name, name.c_str(), name.size() + 1);
    return true;
}

bool dotsFirstThenByName(const FindData &a, const FindData &b) {
    bool aDots = std::strcmp(a.name, ".") == 0 || std::strcmp(a.name, "..") == 0;
    bool bDots = std::strcmp(b.name, ".") == 0 || std::strcmp(b.name, "..") == 0;
    if (aDots != bDots)
        return aDots;
    for (const char *x = a.name, *y = b.name;; ++x, ++y) {
        unsigned char cx = static_cast<unsigned char>(asciiLower(*x));
        unsigned char cy = static_cast<unsigned char>(asciiLower(*y));
        if (cx != cy || cx == '\0')
            return cx < cy;
    }
}

std::vector<FindData> matchingEntries(const std::string &folder, const std::string &pattern) {
    std::vector<FindData> entries;
    std::string hostFolder = hostPath(folder.c_str());
    DIR *listing = opendir(hostFolder.empty() ? "." : hostFolder.c_str());
    if (listing == nullptr)
        return entries;
    std::string prefix = hostFolder.empty() || hostFolder.back() == '/' ? hostFolder : hostFolder + "/";
    while (dirent *found = readdir(listing)) {
        std::string name;
        bool exact = systemFromUtf8(found->d_name, name); // a name the code page cannot hold is left out
        FindData entry;
        if (exact && patternMatches(pattern, name) && makeEntry(prefix + found->d_name, name, entry))
            entries.push_back(entry);
    }
    closedir(listing);
    std::sort(entries.begin(), entries.end(), dotsFirstThenByName);
    return entries;
}

std::vector<FindData> namedEntry(const char *path) {
    std::string hostFile = hostPath(path);
    std::string hostName = hostFile.substr(hostFile.find_last_of('/') + 1);
    std::string name;
    FindData entry;
    if (systemFromUtf8(hostName, name) && makeEntry(hostFile, name, entry))
        return {entry};
    return {};
}

} // namespace

FindHandle findFirstFile(const char *pattern, FindData *data) {
    std::string text = pattern == nullptr ? "" : pattern;
    std::size_t nameStart = text.size();
    while (nameStart > 0 && !isSeparator(text[nameStart - 1]) && !(nameStart == 2 && text[1] == ':'))
        --nameStart;
    std::string name = text.substr(nameStart);
    if (name.empty())
        return invalidFindHandle;
    bool wildcards = name.find_first_of("*?") != std::string::npos;
    std::vector<FindData> entries =
        wildcards ? matchingEntries(text.substr(0, nameStart), name) : namedEntry(text.c_str());
    if (entries.empty())
        return invalidFindHandle;
    *data = entries.front();
    return new FindSearch{std::move(entries), 1};
}

bool findNextFile(FindHandle search, FindData *data) {
    if (search == invalidFindHandle || search->next >= search->entries.size())
        return false;
    *data = search->entries[search->next++];
    return true;
}

void findClose(FindHandle search) {
    delete search;
}

bool deleteFile(const char *path) {
    std::string hostFile = hostPathForWriting(path);
    struct stat status;
    if (lstat(hostFile.c_str(), &status) != 0 || S_ISDIR(status.st_mode) || unlink(hostFile.c_str()) != 0)
        return false;
    countMachineChange();
    return true;
}

bool replaceFile(const char *from, const char *to) {
    if (std::rename(hostPathForWriting(from).c_str(), hostPathForWriting(to).c_str()) != 0)
        return false;
    countMachineChange();
    return true;
}

bool removeDirectory(const char *path) {
    if (rmdir(hostPathForWriting(path).c_str()) != 0)
        return false;
    countMachineChange();
    return true;
}

int makeDirectory(const char *path) {
    if (mkdir(hostPathForWriting(path).c_str(), 0777) != 0)
        return -1;
    countMachineChange();
    return 0;
}

int access(const char *path, int mode) {
    int hostMode = F_OK;
    if (mode & 2)
        hostMode |= W_OK;
    if (mode & 4)
        hostMode |= R_OK;
    return hostAccess(path, hostMode) ? 0 : -1;
}

} // namespace os
