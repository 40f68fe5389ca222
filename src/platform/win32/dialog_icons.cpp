// Icons at the DPI of their window (see dialog_icons.h).
#include "platform/win32/dialog_icons.h"

#include <algorithm>

namespace os {

namespace {

// Sizes at 96 DPI: the small icon of captions and buttons, the large one of the task switcher.
constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;

} // namespace

UINT windowDpi(HWND window) {
    UINT dpi = GetDpiForWindow(window);
    return dpi != 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

DialogIcons::~DialogIcons() {
    for (HICON icon : owned)
        DestroyIcon(icon);
}

HICON DialogIcons::load(int iconId, int size96, UINT dpi) {
    int size = MulDiv(size96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    HINSTANCE program = GetModuleHandleW(nullptr);
    HICON icon = nullptr;
    // Scale-down loading takes the next larger image of the resource, never a blurred enlargement.
    // It is in common controls 6 only, which the import library does not list: looked up here,
    // with the classic loader (best image, resized) where it is missing.
    using ScaleDownLoader = HRESULT(WINAPI *)(HINSTANCE, PCWSTR, int, int, HICON *);
    HMODULE controls = GetModuleHandleW(L"comctl32.dll");
    auto scaleDown = controls == nullptr ? nullptr
                                         : reinterpret_cast<ScaleDownLoader>(reinterpret_cast<void *>(
                                               GetProcAddress(controls, "LoadIconWithScaleDown")));
    if (scaleDown == nullptr || FAILED(scaleDown(program, MAKEINTRESOURCEW(iconId), size, size, &icon)))
        icon = static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(iconId), IMAGE_ICON, size, size, 0));
    if (icon != nullptr)
        owned.push_back(icon);
    return icon;
}

void DialogIcons::apply(const Use &use) {
    UINT dpi = windowDpi(use.window);
    std::vector<HICON> replaced;
    auto hand = [&](UINT message, WPARAM kind, int size96) {
        HICON icon = load(use.iconId, size96, dpi);
        if (icon == nullptr)
            return;
        LRESULT previous = SendMessageW(use.window, message, kind, reinterpret_cast<LPARAM>(icon));
        replaced.push_back(reinterpret_cast<HICON>(previous));
    };
    if (use.dialog) {
        hand(WM_SETICON, ICON_SMALL, kSmallIcon);
        hand(WM_SETICON, ICON_BIG, kLargeIcon);
    } else {
        hand(BM_SETIMAGE, IMAGE_ICON, kSmallIcon);
    }
    // Only icons loaded here are freed: a window's earlier icon may belong to the system.
    for (HICON icon : replaced) {
        auto found = std::find(owned.begin(), owned.end(), icon);
        if (icon != nullptr && found != owned.end()) {
            owned.erase(found);
            DestroyIcon(icon);
        }
    }
}

void DialogIcons::SetDialogIcon(HWND dialog, int iconId) {
    uses.push_back(Use{dialog, iconId, true});
    apply(uses.back());
}

void DialogIcons::SetButtonIcon(HWND button, int iconId) {
    uses.push_back(Use{button, iconId, false});
    apply(uses.back());
}

void DialogIcons::Reload() {
    for (const Use &use : uses)
        apply(use);
}

} // namespace os
