// How the program's dialogs are run: the platform's modal dialogs unless another runner was put
// in place (a caller that drives the dialogs itself, as the tests of the dialog logic do).
#pragma once

#include "platform/dialog.h"

// Runs the dialog template templateId with handler and gives its result, as os::runModalDialog.
using DialogRunner = int (*)(int templateId, os::DialogHandler &handler);

// Runs a dialog with the current runner.
int RunDialog(int templateId, os::DialogHandler &handler);
// Makes runner (null: the platform's) the current runner; gives the previous one.
DialogRunner SetDialogRunner(DialogRunner runner);
