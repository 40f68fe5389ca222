// Drawing device-independent bitmaps, shaped like the GDI calls CreatePalette, GetPaletteEntries,
// SelectPalette, StretchDIBits and DeleteObject.
#pragma once

namespace os {

// A device context (HDC) and a logical palette (HPALETTE), both opaque.
struct DeviceContextRecord;
using DeviceContext = DeviceContextRecord *;
struct PaletteRecord;
using Palette = PaletteRecord *;

// One palette entry, as PALETTEENTRY.
struct PaletteColour {
    unsigned char red, green, blue, flags;
};

// A logical palette (version 0x300) of count entries; null on failure. Freed with deletePalette.
Palette createPalette(const PaletteColour *entries, int count);
void deletePalette(Palette palette);

// Selects palette into context (in the background when forceBackground is set); gives the palette
// selected before, or null on failure.
Palette selectPalette(DeviceContext context, Palette palette, bool forceBackground);

// Copies a source rectangle of a device-independent bitmap, stretched, onto a destination
// rectangle of context, as StretchDIBits with DIB_RGB_COLORS and SRCCOPY. info points at the
// bitmap's info header followed by its colour table, bits at its pixel rows. Gives the number of
// scan lines copied, 0 on failure.
int stretchDIBits(DeviceContext context, int destLeft, int destTop, int destWidth, int destHeight,
                  int sourceLeft, int sourceTop, int sourceWidth, int sourceHeight, const void *bits,
                  const void *info);

} // namespace os
