// The names a screen reader announces for the dialog controls that show no text of their own
// (combo boxes, edits, list boxes, the logo), since the dialogs' layout has no label before them.
#pragma once

namespace os {

// The accessible name (code page 1252) of control controlId of dialog template dialogId, or null
// for a control whose own text already names it (buttons, check boxes, labels).
const char *accessibleName(int dialogId, int controlId);

} // namespace os
