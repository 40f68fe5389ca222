// Bitmap drawing on Windows: GDI palettes and StretchDIBits with halftone stretching.
#include "platform/drawing.h"

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <vector>

namespace os {

static_assert(sizeof(PaletteColour) == sizeof(PALETTEENTRY), "a palette entry is red, green, blue, flags");

Palette createPalette(const PaletteColour *entries, int count) {
    if (entries == nullptr || count <= 0 || count > 0xFFFF)
        return nullptr;
    std::size_t entriesOffset = offsetof(LOGPALETTE, palPalEntry);
    std::vector<unsigned char> buffer(entriesOffset + sizeof(PALETTEENTRY) * static_cast<std::size_t>(count));
    LOGPALETTE header{};
    header.palVersion = 0x300;
    header.palNumEntries = static_cast<WORD>(count);
    std::memcpy(buffer.data(), &header, entriesOffset);
    std::memcpy(buffer.data() + entriesOffset, entries,
                sizeof(PALETTEENTRY) * static_cast<std::size_t>(count));
    return reinterpret_cast<Palette>(CreatePalette(reinterpret_cast<const LOGPALETTE *>(buffer.data())));
}

void deletePalette(Palette palette) {
    if (palette != nullptr)
        DeleteObject(reinterpret_cast<HPALETTE>(palette));
}

Palette selectPalette(DeviceContext context, Palette palette, bool forceBackground) {
    return reinterpret_cast<Palette>(
        SelectPalette(reinterpret_cast<HDC>(context), reinterpret_cast<HPALETTE>(palette), forceBackground));
}

int stretchDIBits(DeviceContext context, int destLeft, int destTop, int destWidth, int destHeight,
                  int sourceLeft, int sourceTop, int sourceWidth, int sourceHeight, const void *bits,
                  const void *info) {
    // Halftone averages the source pixels a shrunk or enlarged logo covers instead of dropping rows.
    HDC device = reinterpret_cast<HDC>(context);
    int previousMode = SetStretchBltMode(device, HALFTONE);
    POINT previousOrigin;
    SetBrushOrgEx(device, 0, 0, &previousOrigin);
    int lines = StretchDIBits(device, destLeft, destTop, destWidth, destHeight, sourceLeft,
                         sourceTop, sourceWidth, sourceHeight, bits, static_cast<const BITMAPINFO *>(info),
                              DIB_RGB_COLORS, SRCCOPY);
    SetBrushOrgEx(device, previousOrigin.x, previousOrigin.y, nullptr);
    if (previousMode != 0)
        SetStretchBltMode(device, previousMode);
    return lines;
}

} // namespace os
