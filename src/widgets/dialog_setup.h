// The set-up the choice and message dialogs share: their texts, and the anchoring of their main
// control above the OK and Cancel buttons in the bottom right corner.
#pragma once

#include "platform/controls.h"
#include "widgets/anchor_layout.h"

// window->SetOwnText(text) unless either is null: the texts of these dialogs are the program's
// own French texts (code page 1252).
void SetTextIfGiven(os::Window *window, const char *text);
// Replaces the title and the captions of OK and Cancel by those given (null keeps the dialog's
// own) and hides Cancel when hideCancel is set.
void SetUpCaptions(os::DialogWindow &dialog, const char *title, const char *okCaption,
                   const char *cancelCaption, bool hideCancel);
// Sets layout up on dialog with margins 0, 0, 5, 5 and adds: main stretched to the right and the
// bottom, leaving a row for the buttons; OK moved along the bottom right corner; Cancel moved
// along to the left of OK.
void AnchorAboveButtons(AnchorLayout &layout, os::DialogWindow &dialog, os::Window *main);
