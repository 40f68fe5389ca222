// Modal dialogs on Windows: the dialog templates of the program's resources, run by
// DialogBoxParamW, with the handler called from the dialog procedure.
#include "platform/dialog.h"

#include "platform/win32/control_names.h"
#include "platform/win32/dialog_controls.h"
#include "platform/win32/system_function.h"

#include <commctrl.h>

#include <map>
#include <memory>

namespace os {

namespace {

std::unique_ptr<Window> makeControl(HWND control, DialogIcons &icons) {
    switch (controlClassOf(control)) {
    case ControlClass::Button:
        return std::make_unique<Win32Button>(control, icons);
    case ControlClass::CheckBox:
        return std::make_unique<Win32CheckBox>(control);
    case ControlClass::ListBox:
        return std::make_unique<Win32ListBox>(control);
    case ControlClass::ComboBox:
        return std::make_unique<Win32ComboBox>(control);
    case ControlClass::Edit:
    case ControlClass::Other:
        break;
    }
    return std::make_unique<Win32Window<Window>>(control);
}

class Win32Dialog : public Win32Window<DialogWindow> {
public:
    explicit Win32Dialog(HWND handle) : Win32Window(handle), dpi(static_cast<int>(windowDpi(handle))) {
        RECT first{0, 0, 0, 0};
        GetWindowRect(handle, &first);
        minimumSize = SIZE{first.right - first.left, first.bottom - first.top};
    }

    Window *Control(int id) override {
        auto found = controls.find(id);
        if (found != controls.end())
            return found->second.get();
        HWND control = GetDlgItem(handle, id);
        if (control == nullptr)
            return nullptr;
        return controls.emplace(id, makeControl(control, icons)).first->second.get();
    }
    Box ToClient(const Box &screenBox) const override {
        POINT corners[2] = {{screenBox.left, screenBox.top}, {screenBox.right, screenBox.bottom}};
        MapWindowPoints(nullptr, handle, corners, 2);
        return Box{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    }
    void SetForeground() override { SetForegroundWindow(handle); }
    void BringForward() override {
        SetForegroundWindow(handle);
        SetActiveWindow(handle);
        SetFocus(handle);
        BringWindowToTop(handle);
    }
    void SetIcon(int iconId) override { icons.SetDialogIcon(handle, iconId); }
    void EndDialog(int result) override { ::EndDialog(handle, result); }

    // The window manager may not make the dialog smaller than it opened: its anchored controls
    // would leave the client area.
    void LimitTracking(MINMAXINFO &limits) const {
        limits.ptMinTrackSize = POINT{minimumSize.cx, minimumSize.cy};
    }
    // Rescales what is kept in pixels and reloads the icons; gives the DPI the dialog had.
    int ChangeDpi(int newDpi) {
        int oldDpi = dpi;
        dpi = newDpi;
        minimumSize = SIZE{MulDiv(minimumSize.cx, newDpi, oldDpi), MulDiv(minimumSize.cy, newDpi, oldDpi)};
        icons.Reload();
        return oldDpi;
    }

private:
    std::map<int, std::unique_ptr<Window>> controls;
    DialogIcons icons;
    int dpi;
    SIZE minimumSize;
};

// Posted once the dialog is shown: its controls get their accessible names then. A screen reader
// reads them when it asks, after the show, so the show need not wait for COM and the service.
constexpr UINT nameControlsMessage = WM_APP;

// One running dialog: its handler and, from WM_INITDIALOG on, its window; whether its controls
// are named, and COM's answer to the initialisation that naming them took.
struct Session {
    int templateId;
    DialogHandler &handler;
    std::unique_ptr<Win32Dialog> dialog;
    bool named = false;
    HRESULT com = E_FAIL;
};

// The event a control's notification code means here; false for the others.
bool eventOf(HWND control, UINT code, ControlEvent &event) {
    switch (controlClassOf(control)) {
    case ControlClass::Button:
    case ControlClass::CheckBox:
        event = ControlEvent::Clicked;
        return code == BN_CLICKED;
    case ControlClass::Edit:
        event = ControlEvent::Changed;
        return code == EN_CHANGE;
    case ControlClass::ListBox:
        event = code == LBN_DBLCLK ? ControlEvent::DoubleClicked : ControlEvent::SelectionChanged;
        return code == LBN_DBLCLK || code == LBN_SELCHANGE;
    case ControlClass::ComboBox:
        event = ControlEvent::SelectionChanged;
        return code == CBN_SELCHANGE;
    case ControlClass::Other:
        break;
    }
    return false;
}

void command(Session &session, WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    ControlEvent event;
    if (id == IDOK && code == BN_CLICKED)
        session.handler.OnOK(*session.dialog);
    else if (id == IDCANCEL && code == BN_CLICKED)
        session.handler.OnCancel(*session.dialog);
    else if (lParam != 0 && eventOf(reinterpret_cast<HWND>(lParam), code, event))
        session.handler.OnCommand(*session.dialog, id, event);
}

INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        Session &session = *reinterpret_cast<Session *>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        session.dialog = std::make_unique<Win32Dialog>(window);
        return session.handler.OnInitDialog(*session.dialog) ? TRUE : FALSE;
    }
    auto *session = reinterpret_cast<Session *>(GetWindowLongPtrW(window, DWLP_USER));
    if (session == nullptr || session->dialog == nullptr)
        return FALSE;
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam != FALSE && !session->named) {
            session->named = true;
            PostMessageW(window, nameControlsMessage, 0, 0);
        }
        return FALSE;
    case nameControlsMessage:
        // COM for the accessibility property service, which names the controls.
        session->com = startCom();
        nameControls(window, session->templateId);
        return TRUE;
    case WM_COMMAND:
        command(*session, wParam, lParam);
        return TRUE;
    case WM_SIZE:
        session->handler.OnSize(*session->dialog);
        return FALSE;
    case WM_GETMINMAXINFO:
        session->dialog->LimitTracking(*reinterpret_cast<MINMAXINFO *>(lParam));
        return TRUE;
    case WM_DPICHANGED: {
        int newDpi = HIWORD(wParam);
        int oldDpi = session->dialog->ChangeDpi(newDpi);
        session->handler.OnDpiChanged(*session->dialog, newDpi, oldDpi);
        // The dialog manager goes on: it scales the controls and fonts and resizes the dialog to
        // the suggested rectangle, which brings WM_SIZE and the handler's layout.
        return FALSE;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC context = BeginPaint(window, &paint);
        SetBkMode(context, TRANSPARENT);
        session->handler.OnPaint(*session->dialog, reinterpret_cast<DeviceContext>(context));
        EndPaint(window, &paint);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

} // namespace

int runModalDialog(int templateId, DialogHandler &handler) {
    // The common controls are loaded here, not with the program: their start (window classes,
    // theme) overlaps the program's own start-up work instead of preceding it.
    static const auto initControls =
        systemFunction<decltype(&InitCommonControlsEx)>(L"comctl32.dll", "InitCommonControlsEx");
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    if (initControls != nullptr)
        initControls(&classes);
    Session session{templateId, handler, nullptr};
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), nullptr,
                                     dialogProcedure, reinterpret_cast<LPARAM>(&session));
    if (SUCCEEDED(session.com))
        endCom();
    return static_cast<int>(result);
}

void beep(unsigned long frequency, unsigned long duration) {
    Beep(frequency, duration);
}

} // namespace os
