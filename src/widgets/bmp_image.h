// BmpImage: an uncompressed device-independent bitmap file read into memory once, with a logical
// palette for images of up to 8 bits per pixel, kept in a process-wide cache by file name and drawn
// stretched into a rectangle. An image that failed to load keeps its error and draws nothing.
#pragma once

#include "core/text_string.h"
#include "platform/drawing.h"

#include <cstdint>

class BmpImage {
public:
    BmpImage() = default;
    ~BmpImage();
    BmpImage(const BmpImage &) = delete;
    BmpImage &operator=(const BmpImage &) = delete;

    // Frees the palette and the file data and zeroes every field but the file name.
    void Reset();

    os::Palette palette = nullptr;         // owned; only for images of fewer than 16 bits per pixel
    unsigned char *fileData = nullptr;     // owned (new[]): the file without its 14-byte file header
    const unsigned char *pixels = nullptr; // the pixel rows, inside fileData
    int32_t bitCount = 0;
    int32_t hasInfoHeader = 0;   // 1 when the header is the 40-byte info header
    const char *error = nullptr; // why the last load failed; null after a successful load
    int32_t width = 0, height = 0;
    TextString fileName;
};

// The cached image of fileName (exact, case-sensitive name). When there is none: null when load
// is false, else a new image loaded with loadBmp, cached and given even when the load failed (the
// failure is written to the diagnostic stream).
BmpImage *getBmpImage(const char *fileName, bool load);

// Empties the image, records fileName and reads the file. True on success; otherwise the image's
// error tells why: "Fichier BMP introuvable" (cannot be opened), "Ce n'est pas un fichier BMP"
// (shorter than its headers, or headers that make no sense), "Erreur de lecture du fichier BMP"
// (the colour table or the pixels go beyond the end of the file, or the file cannot be read
// whole), "Ancien BitMap non pris en charge" (a header other than the 40-byte info header).
bool loadBmp(BmpImage &image, const char *fileName);

// The second half of loadBmp: the image takes data (allocated with new[]), the dataLength bytes
// that follow the 14 bytes of fileHeader in the file, and reads the headers from them.
bool takeBmpData(BmpImage &image, const unsigned char *fileHeader, unsigned char *data, uint32_t dataLength);

// Draws the whole image stretched onto the rectangle from (left, top) to (right, bottom), both
// included, through the image's palette when it has one. False, drawing nothing, when the image
// has an error or holds no image.
bool drawBmp(const BmpImage &image, os::DeviceContext context, int left, int top, int right, int bottom);
