// The windows of a dialog as the program's dialog logic sees them: small interfaces that each
// platform implements with its own controls (Win32 windows on Windows, the console dialog in the
// sandbox). Texts are in the system's code page (see codepage.h), except those given to
// SetOwnText. Coordinates are device units on the screen.
#pragma once

#include <cstdint>
#include <string>

namespace os {

// A rectangle as RECT: right and bottom are just outside it.
struct Box {
    int32_t left, top, right, bottom;
};

// Any window: a control or the dialog itself.
class Window {
public:
    virtual ~Window() = default;

    // The client area (client true) or the whole window (client false), both on the screen.
    virtual Box GetBox(bool client) const = 0;
    // Moves and sizes the window to box, given on the screen; repaints it when repaint is set.
    virtual void MoveToBox(const Box &box, bool repaint) = 0;
    virtual void SetText(const char *text) = 0;
    // Shows one of the program's own French texts, written in code page 1252 whatever the system's
    // code page is (as the dialog templates' texts are), so that it reads right on every system.
    virtual void SetOwnText(const char *text) = 0;
    virtual std::string GetText() const = 0;
    virtual void Enable(bool enabled) = 0;
    virtual bool IsEnabled() const = 0;
    virtual void Show(bool visible) = 0;
    virtual bool IsVisible() const = 0;
    // The width of text in the window's font, in device units.
    virtual int32_t GetTextExtent(const char *text) const = 0;
    // Invalidates and erases the whole window and its children so that all of it is painted again.
    virtual void Redraw() = 0;
};

// A push button.
class Button : public Window {
public:
    // Shows the icon resource iconId on the button (nothing when there is no such icon).
    virtual void SetIcon(int iconId) = 0;
};

// A check box: 1 ticked, 0 not.
class CheckBox : public Window {
public:
    virtual int GetCheck() const = 0;
    virtual void SetCheck(int check) = 0;
};

// The entries of a list box or of a combo box's list, indexed from 0. A control with the sorted
// style keeps its entries in its own order whatever the order they are added in.
class EntryList : public Window {
public:
    virtual void ResetContent() = 0;
    // Adds an entry; gives its index, or a negative number when it could not be added.
    virtual int AddString(const char *text) = 0;
    virtual int GetCount() const = 0;
    // The text of an entry; empty for an index out of range.
    virtual std::string GetItemText(int index) const = 0;
    // A number attached to an entry (0 until set).
    virtual void SetItemData(int index, intptr_t data) = 0;
    virtual intptr_t GetItemData(int index) const = 0;
    // The selected entry, -1 for none. SetCurSel(-1) clears the selection.
    virtual int GetCurSel() const = 0;
    virtual void SetCurSel(int index) = 0;
    // Selects the first entry from the top whose text starts with prefix, compared without regard
    // to letter case, and gives its index; -1 (the selection unchanged) when there is none.
    virtual int SelectString(const char *prefix) = 0;
};

class ListBox : public EntryList {
public:
    // How wide, in device units, the entries may be scrolled horizontally.
    virtual void SetHorizontalExtent(int32_t width) = 0;
};

class ComboBox : public EntryList {};

// A dialog window while it runs: its controls, its place among the windows and its end.
class DialogWindow : public Window {
public:
    // The control of that id, as the interface of its kind (Button, CheckBox, ListBox, ComboBox, or
    // a plain Window for edits and texts); null when the dialog has no such control. The object
    // belongs to the dialog and lives as long as it runs.
    virtual Window *Control(int id) = 0;
    // Control(id) when it is of the kind asked for, else null.
    template <class Kind> Kind *ControlAs(int id) { return dynamic_cast<Kind *>(Control(id)); }

    // A box on the screen in the dialog's client coordinates.
    virtual Box ToClient(const Box &screenBox) const = 0;
    // Makes the dialog the foreground window.
    virtual void SetForeground() = 0;
    // Makes the dialog the foreground and active window, gives it the focus, brings it to the top.
    virtual void BringForward() = 0;
    // Shows the icon resource iconId as the dialog's large and small icon.
    virtual void SetIcon(int iconId) = 0;
    // Ends the modal loop once the current message is handled; runModalDialog returns result.
    virtual void EndDialog(int result) = 0;
};

} // namespace os
