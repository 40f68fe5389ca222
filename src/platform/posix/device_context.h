// Device contexts and palettes of the sandbox: nothing is displayed, so a device context only
// records the palette selected into it and the rectangles bitmaps were drawn onto.
#pragma once

#include "platform/controls.h"
#include "platform/drawing.h"

#include <vector>

namespace os {

struct DeviceContextRecord {
    Palette selected = nullptr;
    std::vector<Box> painted; // destination rectangles of the bitmaps drawn, in drawing order
};

struct PaletteRecord {
    std::vector<PaletteColour> colours;
};

} // namespace os
