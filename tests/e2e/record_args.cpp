// Stand-in for the add-on's launcher "lanceurcad.exe" in the Wine end-to-end test: records the
// arguments it was started with, one a line in UTF-8, in lanceurcad.txt beside it.
#include "wide_to_utf8.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t path[MAX_PATH + 20];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 2;
    wchar_t *slash = wcsrchr(path, L'\\');
    wcscpy(slash ? slash + 1 : path, L"lanceurcad.txt");
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    FILE *record = _wfopen(path, L"wb");
    if (!arguments || !record) return 2;
    for (int i = 1; i < count; ++i) std::fprintf(record, "%s\n", utf8(arguments[i]).c_str());
    std::fclose(record);
    LocalFree(arguments);
    return 0;
}
