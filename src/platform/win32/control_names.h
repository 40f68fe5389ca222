// Gives the controls of a dialog their accessible names through the accessibility property
// service, so a screen reader announces them without a visible label in the dialog's layout.
#pragma once

#include <windows.h>

namespace os {

// COM on the calling thread, as CoInitializeEx apartment-threaded; "ole32.dll" is loaded at the
// first call, so the program's start does not wait for it. E_FAIL where COM is missing.
HRESULT startCom();
// Ends COM on the calling thread, after a startCom that succeeded.
void endCom();

// Names each child of dialog (template dialogId) that has an accessible name; quietly does
// nothing where the service is missing. startCom must have succeeded on the thread.
void nameControls(HWND dialog, int dialogId);

} // namespace os
