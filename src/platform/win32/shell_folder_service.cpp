// The shell folder service of Windows, SHGetFolderPathW taken from "shell32.dll" at run time:
// systems without it leave the program to the registry's folder values.
#include "platform/shell_folder_service.h"

#include "platform/out_buffer.h"
#include "platform/win32/codepage.h"
#include "platform/win32/system_function.h"

#include <windows.h>

namespace os {

namespace {

using GetFolderPathFunction = HRESULT(WINAPI *)(HWND, int, HANDLE, DWORD, LPWSTR);

// Looked up once; null when the system has no such service.
GetFolderPathFunction folderPathService() {
    static const auto service = systemFunction<GetFolderPathFunction>(L"shell32.dll", "SHGetFolderPathW");
    return service;
}

} // namespace

long shGetFolderPath(int csidl, char *path, unsigned long size) {
    if (size > 0)
        path[0] = '\0';
    GetFolderPathFunction service = folderPathService();
    if (service == nullptr)
        return shellServiceMissing;
    wchar_t folder[MAX_PATH] = {};
    HRESULT result = service(nullptr, csidl, nullptr, 0, folder);
    if (result != S_OK)
        return result == S_FALSE ? shellFolderNotFound : result;
    std::string narrow;
    if (!systemFromUtf16(folder, narrow))
        return shellFolderNotFound; // a path the code page cannot hold names no folder
    unsigned long needed = copyWhole(narrow, path, size);
    return needed <= size ? shellFolderFound : shellFolderNotFound;
}

} // namespace os
