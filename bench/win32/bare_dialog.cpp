// The platform floor of the connexion dialog's start-up: a Win32 program that shows a modal
// dialog of the same size and controls, fills its two combo boxes and does nothing else.
#include <windows.h>

namespace {

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
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
