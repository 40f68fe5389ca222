// Icons at the DPI of their window (see dialog_icons.h).
#include "platform/win32/dialog_icons.h"

#include "platform/dialog.h"
#include "platform/win32/system_function.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <utility>

namespace os {

namespace {

// Sizes at 96 DPI: the small icon of captions and buttons, the large one of the task switcher.
constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;

// An icon of resource iconId, size pixels square: the next larger image of the resource shrunk,
// never a blurred enlargement, where the common controls 6 can (they are loaded here when not
// yet), else the classic loader's best image resized.
HICON loadIcon(int iconId, int size) {
    using ScaleDownLoader = HRESULT(WINAPI *)(HINSTANCE, PCWSTR, int, int, HICON *);
    static const auto scaleDown = systemFunction<ScaleDownLoader>(L"comctl32.dll", "LoadIconWithScaleDown");
    HINSTANCE program = GetModuleHandleW(nullptr);
    HICON icon = nullptr;
    if (scaleDown == nullptr || FAILED(scaleDown(program, MAKEINTRESOURCEW(iconId), size, size, &icon)))
        icon = static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(iconId), IMAGE_ICON, size, size, 0));
    return icon;
}

// Icons loaded ahead by prepareDialogIcon and prepareButtonIcon, by resource and size, until a
// dialog takes them.
class PreparedIcons {
public:
    void Prepare(int iconId, int size96) {
        int size = MulDiv(size96, static_cast<int>(GetDpiForSystem()), USER_DEFAULT_SCREEN_DPI);
        HICON icon = loadIcon(iconId, size);
        std::lock_guard<std::mutex> lock(mutex);
        HICON &kept = icons[{iconId, size}];
        if (kept != nullptr)
            DestroyIcon(kept);
        kept = icon;
    }
    // The icon prepared for iconId at size, now the caller's; null when there is none.
    HICON Take(int iconId, int size) {
        std::lock_guard<std::mutex> lock(mutex);
        auto found = icons.find({iconId, size});
        if (found == icons.end())
            return nullptr;
        HICON icon = found->second;
        icons.erase(found);
        return icon;
    }

private:
    std::mutex mutex;
    std::map<std::pair<int, int>, HICON> icons;
};

PreparedIcons preparedIcons;

} // namespace

void prepareDialogIcon(int iconId) {
    preparedIcons.Prepare(iconId, kSmallIcon);
    preparedIcons.Prepare(iconId, kLargeIcon);
}

void prepareButtonIcon(int iconId) {
    preparedIcons.Prepare(iconId, kSmallIcon);
}

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
    HICON icon = preparedIcons.Take(iconId, size);
    if (icon == nullptr)
        icon = loadIcon(iconId, size);
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
