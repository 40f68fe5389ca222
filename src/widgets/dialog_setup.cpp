// The set-up shared by the choice and message dialogs (see dialog_setup.h).
#include "widgets/dialog_setup.h"

#include "platform/resource_ids.h"

void SetTextIfGiven(os::Window *window, const char *text) {
    if (window != nullptr && text != nullptr)
        window->SetOwnText(text);
}

void SetUpCaptions(os::DialogWindow &dialog, const char *title, const char *okCaption,
                   const char *cancelCaption, bool hideCancel) {
    SetTextIfGiven(&dialog, title);
    SetTextIfGiven(dialog.Control(ID_BUTTON_OK), okCaption);
    os::Window *cancel = dialog.Control(ID_BUTTON_CANCEL);
    SetTextIfGiven(cancel, cancelCaption);
    if (hideCancel && cancel != nullptr)
        cancel->Show(false);
}

void AnchorAboveButtons(AnchorLayout &layout, os::DialogWindow &dialog, os::Window *main) {
    os::Window *ok = dialog.Control(ID_BUTTON_OK);
    os::Box okBox = ok != nullptr ? ok->GetBox(false) : os::Box{0, 0, 0, 0};
    layout.SetUp(&dialog, 0, 0, 5, 5);
    layout.Add(main, kAnchorRight | kAnchorBottom, 0, -5 - (okBox.bottom - okBox.top));
    layout.Add(ok, kAnchorRight | kAnchorBottom | kAnchorKeepSize);
    layout.Add(dialog.Control(ID_BUTTON_CANCEL), kAnchorRight | kAnchorBottom | kAnchorKeepSize,
               -5 - (okBox.right - okBox.left), 0);
}
