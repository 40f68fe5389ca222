// Modal dialogs, shaped like DialogBoxParam: the platform shows a dialog template and its controls
// and calls a handler, which holds the dialog's behaviour, for each event. Also icons loaded
// ahead and the beep.
#pragma once

#include "platform/controls.h"
#include "platform/drawing.h"
#include "platform/resource_ids.h"

namespace os {

// What happened to a control (Win32 notifications BN_CLICKED, EN_CHANGE, LBN_SELCHANGE or
// CBN_SELCHANGE, LBN_DBLCLK).
enum class ControlEvent { Clicked, Changed, SelectionChanged, DoubleClicked };

// The behaviour of one dialog. Every call gets the running dialog; a handler ends it with
// DialogWindow::EndDialog.
class DialogHandler {
public:
    virtual ~DialogHandler() = default;

    // The dialog and its controls exist and are not shown yet. True lets the platform give the
    // focus to the first control; false when the handler has set the focus itself.
    virtual bool OnInitDialog(DialogWindow &dialog) = 0;
    // An event of a control other than OK and Cancel.
    virtual void OnCommand(DialogWindow &, int /*controlId*/, ControlEvent) {}
    // OK (button 1, or Enter). The default ends the dialog with
    // ID_BUTTON_OK.
    virtual void OnOK(DialogWindow &dialog) { dialog.EndDialog(ID_BUTTON_OK); }
    // Cancel (button 2, Escape, the close box, or the end of the console's input). The default
    // ends the dialog with ID_BUTTON_CANCEL.
    virtual void OnCancel(DialogWindow &dialog) { dialog.EndDialog(ID_BUTTON_CANCEL); }
    // The dialog's size changed (after the platform's own handling).
    virtual void OnSize(DialogWindow &) {}
    // After the dialog's own painting, on its paint device context with a transparent background.
    virtual void OnPaint(DialogWindow &, DeviceContext) {}
    // The dialog moved to a monitor of another DPI: sizes kept in pixels scale by newDpi / oldDpi.
    // The dialog is resized after this call, so OnSize follows.
    virtual void OnDpiChanged(DialogWindow &, int /*newDpi*/, int /*oldDpi*/) {}
};

// Shows the dialog template templateId modally (no owner window) and runs it until the handler
// ends it; returns the result given to EndDialog, or -1 when the dialog cannot be shown.
int runModalDialog(int templateId, DialogHandler &handler);

// Loads ahead, on any thread, the icons that a dialog is then given by DialogWindow::SetIcon (its
// caption icons) or Button::SetIcon, at the system's DPI, so the dialog's thread does not wait for
// them; a dialog shown at another DPI loads its own. The sandbox has nothing to load.
void prepareDialogIcon(int iconId);
void prepareButtonIcon(int iconId);

// Sounds a tone of frequency hertz for duration milliseconds, as Beep (the sandbox is silent).
void beep(unsigned long frequency, unsigned long duration);

} // namespace os
