// Measuring texts for the controls of the dialogs.
#pragma once

#include "platform/controls.h"

#include <cstdint>

// The larger of currentMaximum and the width of text in control's font, in device units.
int32_t TextWidth(const char *text, const os::Window &control, int32_t currentMaximum);
