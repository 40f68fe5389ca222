// The Windows half of the per-test machine: a new folder under the temporary folder.
#include "support/test_machine.h"

#include "platform/win32/codepage.h"

#include <windows.h>

namespace {

void removeTree(const std::wstring &folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeTree(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace

namespace test_machine {

void create(std::string &windowsScratch, std::string &hostScratch) {
    static unsigned counter = 0;
    wchar_t temp[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    ASSERT_GT(length, 0u);
    std::wstring folder;
    do {
        folder = std::wstring(temp) + L"veltra-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(++counter);
    } while (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
    os::systemFromUtf16(folder.c_str(), windowsScratch);
    hostScratch = windowsScratch;
}

void destroy(const std::string &hostScratch) {
    removeTree(os::utf16FromSystem(hostScratch.c_str()));
}

std::string hostPath(const std::string &hostScratch, const std::string &relative) {
    return hostScratch + "\\" + relative;
}

} // namespace test_machine

void test_machine::setVariable(const char *name, const char *value) {
    SetEnvironmentVariableW(os::utf16FromSystem(name).c_str(),
                            value == nullptr ? nullptr : os::utf16FromSystem(value).c_str());
}
