// The message dialog, ShowMessage and ShowNotice (see message_dialog.h).
#include "widgets/message_dialog.h"

#include "widgets/dialog_runner.h"
#include "widgets/dialog_setup.h"
#include "widgets/wrap_text.h"

MessageDialog::MessageDialog(const char *title, const char *text, const char *okCaption,
                             const char *cancelCaption, bool hideCancel, bool foreground)
    : title(title), text(text), okCaption(okCaption), cancelCaption(cancelCaption), hideCancel(hideCancel),
      foreground(foreground) {}

int MessageDialog::Run() {
    return RunDialog(IDD_MESSAGE, *this);
}

bool MessageDialog::OnInitDialog(os::DialogWindow &dialog) {
    os::Window *edit = dialog.Control(IDC_MESSAGE_TEXT);
    if (edit == nullptr) {
        dialog.EndDialog(-1);
        return true;
    }
    edit->SetOwnText(text);
    SetUpCaptions(dialog, title, okCaption, cancelCaption, hideCancel);
    AnchorAboveButtons(layout, dialog, edit);
    layout.Apply();

    if (foreground)
        dialog.SetForeground();
    dialog.BringForward();
    os::beep(300, 300);
    return false;
}

void MessageDialog::OnSize(os::DialogWindow &) {
    layout.Apply();
}

void MessageDialog::OnDpiChanged(os::DialogWindow &, int newDpi, int oldDpi) {
    layout.Rescale(newDpi, oldDpi);
}

int ShowMessage(const char *title, const char *text, bool foreground, const char *okCaption,
                const char *cancelCaption, bool hideCancel) {
    TextString wrapped(text);
    WrapText(wrapped, -1);
    MessageDialog dialog(title, wrapped.CStr(), okCaption, cancelCaption, hideCancel, foreground);
    return dialog.Run() == ID_BUTTON_OK ? 1 : 0;
}

int ShowNotice(const char *title, const char *text, bool foreground, const char *okCaption) {
    ShowMessage(title, text, foreground, okCaption, nullptr, true);
    return 1;
}
