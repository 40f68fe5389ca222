// Helper of the Wine end-to-end test: prints the dialog whose title is given and its controls
// (id, class, state, rectangle in screen pixels, text), one tab-separated UTF-8 line each, so the
// test can check the layout and click the controls with xdotool.
#include "wide_to_utf8.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string windowText(HWND window) {
    wchar_t text[512] = L"";
    GetWindowTextW(window, text, 512);
    return utf8(text);
}

BOOL CALLBACK printControl(HWND control, LPARAM) {
    wchar_t className[64] = L"";
    GetClassNameW(control, className, 64);
    RECT rect;
    GetWindowRect(control, &rect);
    bool combo = lstrcmpiW(className, L"ComboBox") == 0;
    bool button = lstrcmpiW(className, L"Button") == 0;
    bool list = lstrcmpiW(className, L"ListBox") == 0;
    long items = combo  ? static_cast<long>(SendMessageW(control, CB_GETCOUNT, 0, 0))
                 : list ? static_cast<long>(SendMessageW(control, LB_GETCOUNT, 0, 0))
                        : -1;
    long selection = combo ? static_cast<long>(SendMessageW(control, CB_GETCURSEL, 0, 0)) : -1;
    long checked = button ? static_cast<long>(SendMessageW(control, BM_GETCHECK, 0, 0)) : -1;
    std::string text = windowText(control);
    if (combo && selection >= 0) { // a drop-down list has no edit text: print the selected entry
        wchar_t entry[512] = L"";
        if (SendMessageW(control, CB_GETLBTEXTLEN, static_cast<WPARAM>(selection), 0) < 512)
            SendMessageW(control, CB_GETLBTEXT, static_cast<WPARAM>(selection), reinterpret_cast<LPARAM>(entry));
        text = utf8(entry);
    }
    std::printf("CONTROL\t%d\t%s\t%d\t%d\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%s\n", GetDlgCtrlID(control),
                utf8(className).c_str(), IsWindowVisible(control) ? 1 : 0, IsWindowEnabled(control) ? 1 : 0,
                checked, items, selection, rect.left, rect.top, rect.right, rect.bottom,
                text.c_str());
    return TRUE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count != 2) return 2;
    HWND dialog = FindWindowW(L"#32770", arguments[1]);
    if (!dialog) return 1;
    RECT window, client;
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    POINT origin = {0, 0};
    ClientToScreen(dialog, &origin);
    std::printf("WINDOW\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%s\n", window.left, window.top, window.right,
                window.bottom, origin.x, origin.y, client.right, client.bottom, windowText(dialog).c_str());
    EnumChildWindows(dialog, printControl, 0);
    std::fflush(stdout);
    LocalFree(arguments);
    return 0;
}
