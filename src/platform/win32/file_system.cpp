// Files and folders on Windows: the wide-character API behind the system code page seam.
#include "platform/file_system.h"

#include "platform/win32/codepage.h"
#include "platform/win32/long_path.h"

#include <cstring>
#include <io.h>
#include <windows.h>

namespace os {

struct FindSearch {
    HANDLE handle;
};

namespace {

// Fills data from found, or from the next entries of handle when found's name has a character the
// code page cannot hold (such entries are left out); false at the end of the search.
bool copyEntry(HANDLE handle, WIN32_FIND_DATAW &found, FindData *data) {
    std::string name;
    while (!systemFromUtf16(found.cFileName, name))
        if (!FindNextFileW(handle, &found))
            return false;
    data->attributes = found.dwFileAttributes;
    std::strncpy(data->name, name.c_str(), maxPath - 1);
    data->name[maxPath - 1] = '\0';
    return true;
}

} // namespace

FindHandle findFirstFile(const char *pattern, FindData *data) {
    WIN32_FIND_DATAW found;
    HANDLE handle = FindFirstFileW(windowsPath(pattern).c_str(), &found);
    if (handle == INVALID_HANDLE_VALUE)
        return invalidFindHandle;
    if (!copyEntry(handle, found, data)) {
        FindClose(handle);
        return invalidFindHandle;
    }
    return new FindSearch{handle};
}

bool findNextFile(FindHandle search, FindData *data) {
    WIN32_FIND_DATAW found;
    return search != invalidFindHandle && FindNextFileW(search->handle, &found) &&
           copyEntry(search->handle, found, data);
}

void findClose(FindHandle search) {
    if (search == invalidFindHandle)
        return;
    FindClose(search->handle);
    delete search;
}

bool deleteFile(const char *path) {
    return DeleteFileW(windowsPath(path).c_str()) != 0;
}

bool replaceFile(const char *from, const char *to) {
    return MoveFileExW(utf16FromSystem(from).c_str(), utf16FromSystem(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool removeDirectory(const char *path) {
    return _wrmdir(utf16FromSystem(path).c_str()) == 0;
}

int makeDirectory(const char *path) {
    return _wmkdir(windowsPath(path).c_str()) == 0 ? 0 : -1;
}

int access(const char *path, int mode) {
    return _waccess(windowsPath(path).c_str(), mode) == 0 ? 0 : -1;
}

} // namespace os
