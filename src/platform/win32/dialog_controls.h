// The controls of the Windows dialogs: the program's control interfaces over Win32 windows.
#pragma once

#include "platform/controls.h"
#include "platform/win32/dialog_icons.h"

#include <windows.h>

namespace os {

// The kinds of windows a dialog holds, from their window class and button style.
enum class ControlClass { Button, CheckBox, ListBox, ComboBox, Edit, Other };
ControlClass controlClassOf(HWND window);

// The Window part of every control, and of the dialog itself.
template <class Interface> class Win32Window : public Interface {
public:
    explicit Win32Window(HWND handle) : handle(handle) {}

    Box GetBox(bool client) const override;
    void MoveToBox(const Box &box, bool repaint) override;
    void SetText(const char *text) override;
    void SetOwnText(const char *text) override;
    std::string GetText() const override;
    void Enable(bool enabled) override { EnableWindow(handle, enabled); }
    bool IsEnabled() const override { return IsWindowEnabled(handle) != 0; }
    void Show(bool visible) override { ShowWindow(handle, visible ? SW_SHOW : SW_HIDE); }
    bool IsVisible() const override { return (GetWindowLongPtrW(handle, GWL_STYLE) & WS_VISIBLE) != 0; }
    int32_t GetTextExtent(const char *text) const override;
    void Redraw() override {
        RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }

protected:
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(handle, message, wParam, lParam);
    }
    HWND handle;
};

class Win32Button : public Win32Window<Button> {
public:
    Win32Button(HWND handle, DialogIcons &icons) : Win32Window(handle), icons(icons) {}
    void SetIcon(int iconId) override { icons.SetButtonIcon(handle, iconId); }

private:
    DialogIcons &icons;
};

class Win32CheckBox : public Win32Window<CheckBox> {
public:
    using Win32Window::Win32Window;
    int GetCheck() const override { return send(BM_GETCHECK) == BST_CHECKED ? 1 : 0; }
    void SetCheck(int check) override { send(BM_SETCHECK, check != 0 ? BST_CHECKED : BST_UNCHECKED); }
};

// The messages of one kind of entry list (list box or combo box).
struct EntryMessages {
    UINT reset, add, count, textLength, text, setData, getData, getSelection, setSelection, selectString;
};
extern const EntryMessages listBoxMessages;
extern const EntryMessages comboBoxMessages;

template <class Interface> class Win32Entries : public Win32Window<Interface> {
public:
    Win32Entries(HWND handle, const EntryMessages &messages)
        : Win32Window<Interface>(handle), messages(messages) {}

    void ResetContent() override { this->send(messages.reset); }
    int AddString(const char *text) override;
    int GetCount() const override { return static_cast<int>(this->send(messages.count)); }
    std::string GetItemText(int index) const override;
    void SetItemData(int index, intptr_t data) override { this->send(messages.setData, index, data); }
    intptr_t GetItemData(int index) const override { return this->send(messages.getData, index); }
    int GetCurSel() const override { return static_cast<int>(this->send(messages.getSelection)); }
    void SetCurSel(int index) override { this->send(messages.setSelection, static_cast<WPARAM>(index)); }
    int SelectString(const char *prefix) override;

private:
    const EntryMessages &messages;
};

class Win32ListBox : public Win32Entries<ListBox> {
public:
    explicit Win32ListBox(HWND handle) : Win32Entries(handle, listBoxMessages) {}
    void SetHorizontalExtent(int32_t width) override {
        send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width));
    }
};

class Win32ComboBox : public Win32Entries<ComboBox> {
public:
    explicit Win32ComboBox(HWND handle) : Win32Entries(handle, comboBoxMessages) {}
};

} // namespace os
