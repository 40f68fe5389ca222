// Measuring texts for the controls of the dialogs (see window_functions.h).
#include "widgets/window_functions.h"

int32_t TextWidth(const char *text, const os::Window &control, int32_t currentMaximum) {
    int32_t width = control.GetTextExtent(text);
    return width > currentMaximum ? width : currentMaximum;
}
