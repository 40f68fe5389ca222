// Files and folders through the operating system, shaped like the Win32 and runtime calls
// FindFirstFileA/FindNextFileA/FindClose, DeleteFileA, _mkdir and _access.
// Paths are texts in the system code page; '/' and '\' both separate components.
#pragma once

namespace os {

constexpr unsigned long maxPath = 260;                 // MAX_PATH: room for a name and its NUL
constexpr unsigned long fileAttributeDirectory = 0x10; // FILE_ATTRIBUTE_DIRECTORY

// One entry of a file search: its attribute bits (fileAttributeDirectory for a folder) and
// its name, NUL-terminated, without folder.
struct FindData {
    unsigned long attributes;
    char name[maxPath];
};

// An open file search. Owned by the caller from findFirstFile until findClose.
struct FindSearch;
using FindHandle = FindSearch *;
constexpr FindHandle invalidFindHandle = nullptr; // what a failed findFirstFile returns

// Starts a search for the entries matching pattern: a path whose last component may hold the
// wildcards '*' and '?' (names compared without regard to letter case; "*" lists every entry,
// "." and ".." included). Fills *data with the first entry and returns the open search, or
// invalidFindHandle when the folder is missing or nothing matches (*data is then unspecified).
FindHandle findFirstFile(const char *pattern, FindData *data);

// Fills *data with the next entry; false at the end of the search (or on a bad handle).
bool findNextFile(FindHandle search, FindData *data);

// Ends a search and frees it; the handle must not be used again. Accepts invalidFindHandle.
void findClose(FindHandle search);

// Deletes a file (not a folder). True when it was deleted.
bool deleteFile(const char *path);

// Puts the file `from` in the place of `to`, replacing a file already there, in one step that a
// crash cannot leave half done (MoveFileExW with replace-existing and write-through). True on success.
bool replaceFile(const char *from, const char *to);

// Removes an empty folder, as _rmdir. True when it was removed.
bool removeDirectory(const char *path);

// Creates one folder, as _mkdir: 0 on success, -1 when it exists already, its parent is
// missing or it cannot be created.
int makeDirectory(const char *path);

// Tests a path, as _access: mode 0 existence (file or folder), 2 writable, 4 readable, 6 both.
// 0 when the test holds, -1 otherwise.
int access(const char *path, int mode);

} // namespace os
