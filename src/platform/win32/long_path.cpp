// Long path support of the Windows layer (see long_path.h).
#include "platform/win32/long_path.h"

#include "platform/win32/codepage.h"

#include <windows.h>

#include <algorithm>

namespace os {

namespace {

// Folders must leave room for an 8.3 name below them: 260 - 12 characters.
constexpr std::size_t kClassicFolderLimit = MAX_PATH - 12;

bool isDrivePath(const std::wstring &path) {
    return path.size() >= 3 && path[1] == L':' && path[2] == L'\\' &&
           ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'));
}

bool isSharePath(const std::wstring &path) {
    return path.size() > 2 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'?' && path[2] != L'.';
}

std::wstring canonical(const std::wstring &path) {
    DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::wstring full(needed, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), needed, &full[0], nullptr);
    if (length == 0 || length >= needed)
        return path;
    full.resize(length);
    return full;
}

} // namespace

std::wstring windowsPath(const char *path) {
    std::wstring wide = utf16FromSystem(path);
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    bool drive = isDrivePath(wide);
    if (wide.size() < kClassicFolderLimit || !(drive || isSharePath(wide)))
        return wide;
    std::wstring full = canonical(wide);
    if (isDrivePath(full))
        return L"\\\\?\\" + full;
    if (isSharePath(full))
        return L"\\\\?\\UNC\\" + full.substr(2);
    return full;
}

} // namespace os
