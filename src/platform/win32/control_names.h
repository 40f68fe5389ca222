// Gives the controls of a dialog their accessible names through the accessibility property
// service, so a screen reader announces them without a visible label in the dialog's layout.
#pragma once

#include <windows.h>

namespace os {

// Names each child of dialog (template dialogId) that has an accessible name; quietly does
// nothing where the service is missing. COM must be initialised on the thread.
void nameControls(HWND dialog, int dialogId);

} // namespace os
