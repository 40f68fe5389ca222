// The process-wide dialog runner (see dialog_runner.h).
#include "widgets/dialog_runner.h"

namespace {
DialogRunner currentRunner = os::runModalDialog;
}

int RunDialog(int templateId, os::DialogHandler &handler) {
    return currentRunner(templateId, handler);
}

DialogRunner SetDialogRunner(DialogRunner runner) {
    DialogRunner previous = currentRunner;
    currentRunner = runner != nullptr ? runner : os::runModalDialog;
    return previous;
}
