// The icons of one dialog window and its buttons, loaded at the window's DPI and loaded again
// when the window moves to a monitor of another DPI.
#pragma once

#include <windows.h>

#include <vector>

namespace os {

class DialogIcons {
public:
    DialogIcons() = default;
    ~DialogIcons();
    DialogIcons(const DialogIcons &) = delete;
    DialogIcons &operator=(const DialogIcons &) = delete;

    // Gives the dialog its caption icons (small and large) of resource iconId.
    void SetDialogIcon(HWND dialog, int iconId);
    // Gives a push button the small icon of resource iconId beside its text.
    void SetButtonIcon(HWND button, int iconId);
    // Loads every icon given so far again at the windows' current DPI.
    void Reload();

private:
    struct Use {
        HWND window;
        int iconId;
        bool dialog;
    };
    // Loads the icon of use at its window's DPI, hands it over and frees the one it replaces.
    void apply(const Use &use);
    HICON load(int iconId, int size96, UINT dpi);

    std::vector<Use> uses;
    std::vector<HICON> owned; // every icon a window currently shows
};

// The DPI of window (96 when the system cannot tell).
UINT windowDpi(HWND window);

} // namespace os
