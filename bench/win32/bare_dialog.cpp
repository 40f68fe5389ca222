// The platform floor of the connexion dialog's start-up: a Win32 program that shows a modal
// dialog of the same size and controls, fills its two combo boxes and does nothing else. Built
// with BARE_DIALOG_ICONS, it also gives the dialog and its buttons the program's icons.
#include <windows.h>

namespace {

#ifdef BARE_DIALOG_ICONS
HICON loadIcon(HWND dialog, int iconId, int size96) {
    int size = MulDiv(size96, static_cast<int>(GetDpiForWindow(dialog)), USER_DEFAULT_SCREEN_DPI);
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), IMAGE_ICON, size, size, 0));
}

// The icons as the connexion dialog sets them: 128 on the caption, small and large, 132 on the
// hidden button 1009, 129 on OK and 130 on Annuler.
void setIcons(HWND dialog) {
    SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(loadIcon(dialog, 128, 16)));
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(loadIcon(dialog, 128, 32)));
    const int buttons[][2] = {{1009, 132}, {IDOK, 129}, {IDCANCEL, 130}};
    for (const auto &button : buttons)
        SendDlgItemMessageW(dialog, button[0], BM_SETIMAGE, IMAGE_ICON,
                            reinterpret_cast<LPARAM>(loadIcon(dialog, button[1], 16)));
    ShowWindow(GetDlgItem(dialog, 1009), SW_HIDE);
}
#endif

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
#ifdef BARE_DIALOG_ICONS
        setIcons(dialog);
#endif
        SendDlgItemMessageW(dialog, 1000, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Application 2025"));
        SendDlgItemMessageW(dialog, 1000, CB_SETCURSEL, 0, 0);
        SendDlgItemMessageW(dialog, 1001, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Fran\u00e7ais"));
        SendDlgItemMessageW(dialog, 1001, CB_SETCURSEL, 0, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(102), nullptr, dialogProc, 0));
}
