// Files and folders on Windows: the wide-character API behind the code page 1252 seam.
#include "platform/file_system.h"

#include "platform/win32/codepage.h"

#include <cstring>
#include <io.h>
#include <windows.h>

namespace os {

struct FindSearch {
    HANDLE handle;
};

namespace {

void copyEntry(const WIN32_FIND_DATAW &found, FindData *data) {
    data->attributes = found.dwFileAttributes;
    std::string name = cp1252FromUtf16(found.cFileName);
    std::strncpy(data->name, name.c_str(), maxPath - 1);
    data->name[maxPath - 1] = '\0';
}

} // namespace

FindHandle findFirstFile(const char *pattern, FindData *data) {
    WIN32_FIND_DATAW found;
    HANDLE handle = FindFirstFileW(utf16FromCp1252(pattern).c_str(), &found);
    if (handle == INVALID_HANDLE_VALUE)
        return invalidFindHandle;
    copyEntry(found, data);
    return new FindSearch{handle};
}

bool findNextFile(FindHandle search, FindData *data) {
    WIN32_FIND_DATAW found;
    if (search == invalidFindHandle || !FindNextFileW(search->handle, &found))
        return false;
    copyEntry(found, data);
    return true;
}

void findClose(FindHandle search) {
    if (search == invalidFindHandle)
        return;
    FindClose(search->handle);
    delete search;
}

bool deleteFile(const char *path) {
    return DeleteFileW(utf16FromCp1252(path).c_str()) != 0;
}

int makeDirectory(const char *path) {
    return _wmkdir(utf16FromCp1252(path).c_str()) == 0 ? 0 : -1;
}

int access(const char *path, int mode) {
    return _waccess(utf16FromCp1252(path).c_str(), mode) == 0 ? 0 : -1;
}

} // namespace os
