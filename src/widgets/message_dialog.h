// The message dialog: a text in a read-only edit, OK and (unless hidden) Cancel; it comes to the
// front and beeps when it opens. ShowMessage and ShowNotice are the way the program shows one.
#pragma once

#include "core/text_string.h"
#include "platform/dialog.h"
#include "widgets/anchor_layout.h"

// Shows text, wrapped by WrapText, in the message dialog. Title, text and captions are the
// program's own texts (code page 1252, see os::Window::SetOwnText). Null title and captions keep the
// dialog's own ("Confirmation", "OK", "Annule"). Gives 1 when closed with OK, else 0. With
// foreground the dialog is also made the foreground window before it is brought forward.
int ShowMessage(const char *title, const char *text, bool foreground, const char *okCaption,
                const char *cancelCaption, bool hideCancel);
// ShowMessage without a Cancel button; gives 1.
int ShowNotice(const char *title, const char *text, bool foreground, const char *okCaption);

// The dialog itself (template IDD_MESSAGE); it shows text as given.
class MessageDialog : public os::DialogHandler {
public:
    MessageDialog(const char *title, const char *text, const char *okCaption, const char *cancelCaption,
                  bool hideCancel, bool foreground);
    // Runs the dialog modally; gives its result (ID_BUTTON_OK, ID_BUTTON_CANCEL, or -1).
    int Run();

    bool OnInitDialog(os::DialogWindow &dialog) override;
    void OnSize(os::DialogWindow &dialog) override;
    void OnDpiChanged(os::DialogWindow &dialog, int newDpi, int oldDpi) override;

private:
    const char *title;
    const char *text;
    const char *okCaption;
    const char *cancelCaption;
    bool hideCancel;
    bool foreground;
    AnchorLayout layout;
};
