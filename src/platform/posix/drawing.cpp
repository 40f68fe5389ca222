// Bitmap drawing in the sandbox: palettes are kept in memory, drawing records its rectangle.
#include "platform/posix/device_context.h"

#include <cstdlib>

namespace os {

Palette createPalette(const PaletteColour *entries, int count) {
    if (entries == nullptr || count <= 0)
        return nullptr;
    return new PaletteRecord{std::vector<PaletteColour>(entries, entries + count)};
}

void deletePalette(Palette palette) {
    delete palette;
}

Palette selectPalette(DeviceContext context, Palette palette, bool) {
    if (context == nullptr)
        return nullptr;
    Palette previous = context->selected;
    context->selected = palette;
    return previous;
}

int stretchDIBits(DeviceContext context, int destLeft, int destTop, int destWidth, int destHeight, int, int,
                  int, int sourceHeight, const void *bits, const void *info) {
    if (context == nullptr || bits == nullptr || info == nullptr)
        return 0;
    context->painted.push_back(Box{destLeft, destTop, destLeft + destWidth, destTop + destHeight});
    return std::abs(sourceHeight);
}

} // namespace os
