// The Win32 controls of the dialogs (see dialog_controls.h).
#include "platform/win32/dialog_controls.h"

#include "platform/cp1252.h"
#include "platform/win32/codepage.h"

namespace os {

const EntryMessages listBoxMessages{LB_RESETCONTENT, LB_ADDSTRING,   LB_GETCOUNT,    LB_GETTEXTLEN,
                                    LB_GETTEXT,      LB_SETITEMDATA, LB_GETITEMDATA, LB_GETCURSEL,
                                    LB_SETCURSEL,    LB_SELECTSTRING};
const EntryMessages comboBoxMessages{CB_RESETCONTENT, CB_ADDSTRING,   CB_GETCOUNT,    CB_GETLBTEXTLEN,
                                     CB_GETLBTEXT,    CB_SETITEMDATA, CB_GETITEMDATA, CB_GETCURSEL,
                                     CB_SETCURSEL,    CB_SELECTSTRING};

ControlClass controlClassOf(HWND window) {
    wchar_t name[32] = L"";
    GetClassNameW(window, name, 32);
    if (lstrcmpiW(name, L"Button") == 0) {
        LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
        bool check =
            type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
        return check ? ControlClass::CheckBox : ControlClass::Button;
    }
    if (lstrcmpiW(name, L"ListBox") == 0)
        return ControlClass::ListBox;
    if (lstrcmpiW(name, L"ComboBox") == 0)
        return ControlClass::ComboBox;
    if (lstrcmpiW(name, L"Edit") == 0)
        return ControlClass::Edit;
    return ControlClass::Other;
}

template <class Interface> Box Win32Window<Interface>::GetBox(bool client) const {
    RECT rect{0, 0, 0, 0};
    if (client) {
        GetClientRect(handle, &rect);
        POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
        MapWindowPoints(handle, nullptr, corners, 2);
        return Box{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    }
    GetWindowRect(handle, &rect);
    return Box{rect.left, rect.top, rect.right, rect.bottom};
}

template <class Interface> void Win32Window<Interface>::MoveToBox(const Box &box, bool repaint) {
    // Children are placed in their parent's client coordinates, other windows on the screen.
    HWND parent = (GetWindowLongPtrW(handle, GWL_STYLE) & WS_CHILD) != 0 ? GetParent(handle) : nullptr;
    POINT corners[2] = {{box.left, box.top}, {box.right, box.bottom}};
    MapWindowPoints(nullptr, parent, corners, 2);
    MoveWindow(handle, corners[0].x, corners[0].y, corners[1].x - corners[0].x, corners[1].y - corners[0].y,
               repaint);
}

template <class Interface> void Win32Window<Interface>::SetText(const char *text) {
    SetWindowTextW(handle, utf16FromSystem(text).c_str());
}

template <class Interface> void Win32Window<Interface>::SetOwnText(const char *text) {
    std::u16string wide = u16FromCp1252(text != nullptr ? text : "");
    SetWindowTextW(handle, std::wstring(wide.begin(), wide.end()).c_str());
}

template <class Interface> std::string Win32Window<Interface>::GetText() const {
    int length = GetWindowTextLengthW(handle);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(handle, &text[0], length + 1);
    std::string narrow;
    systemFromUtf16(text.c_str(), static_cast<std::size_t>(copied > 0 ? copied : 0), narrow);
    return narrow; // shown text: a lost character stays a '?'
}

template <class Interface> int32_t Win32Window<Interface>::GetTextExtent(const char *text) const {
    std::wstring wide = utf16FromSystem(text);
    HDC context = GetDC(handle);
    if (context == nullptr)
        return 0;
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(send(WM_GETFONT));
    HGDIOBJ previous = font != nullptr ? SelectObject(context, font) : nullptr;
    SIZE size{0, 0};
    GetTextExtentPoint32W(context, wide.c_str(), static_cast<int>(wide.size()), &size);
    if (previous != nullptr)
        SelectObject(context, previous);
    ReleaseDC(handle, context);
    return size.cx;
}

template <class Interface> int Win32Entries<Interface>::AddString(const char *text) {
    std::wstring wide = utf16FromSystem(text);
    return static_cast<int>(this->send(messages.add, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

template <class Interface> std::string Win32Entries<Interface>::GetItemText(int index) const {
    LRESULT length = this->send(messages.textLength, static_cast<WPARAM>(index));
    if (length < 0)
        return std::string();
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    LRESULT copied =
        this->send(messages.text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    std::string narrow;
    systemFromUtf16(text.c_str(), static_cast<std::size_t>(copied > 0 ? copied : 0), narrow);
    return narrow; // shown text: a lost character stays a '?'
}

template <class Interface> int Win32Entries<Interface>::SelectString(const char *prefix) {
    std::wstring wide = utf16FromSystem(prefix);
    return static_cast<int>(
        this->send(messages.selectString, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide.c_str())));
}

template class Win32Window<Window>;
template class Win32Window<Button>;
template class Win32Window<CheckBox>;
template class Win32Window<ListBox>;
template class Win32Window<ComboBox>;
template class Win32Window<DialogWindow>;
template class Win32Entries<ListBox>;
template class Win32Entries<ComboBox>;

} // namespace os
