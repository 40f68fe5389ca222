// Reading and drawing bitmap files (see bmp_image.h). Files are little-endian: a 14-byte file
// header (pixel offset at 10), then the header (size at 0, width at 4, height at 8, bit count at
// 14, compression at 16, image size at 20, colours used at 32), the colour table (blue, green,
// red, reserved) and the pixel rows, each a whole number of 32-bit words.
#include "widgets/bmp_image.h"

#include "platform/file_stream.h"

#include <cstdio>
#include <new>

namespace {

const char kNotFound[] = "Fichier BMP introuvable";
const char kNotBmp[] = "Ce n'est pas un fichier BMP";
const char kReadError[] = "Erreur de lecture du fichier BMP";
const char kOldHeader[] = "Ancien BitMap non pris en charge";

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kOldHeaderSize = 12;
// Larger files are refused: a logo is far smaller, and the whole file is held in memory.
constexpr long kMaxFileSize = 64L * 1024 * 1024;

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

uint16_t read16(const unsigned char *at) {
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

uint32_t read32(const unsigned char *at) {
    return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
           static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}

bool fail(BmpImage &image, const char *error) {
    image.error = error;
    return false;
}

bool validBitCount(uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// The compression suits the bit count: run lengths of 8 or 4 bits, masks for 16 or 32 bits.
bool validCompression(uint32_t compression, uint32_t bits) {
    switch (compression) {
    case kRgb:
        return true;
    case kRle8:
        return bits == 8;
    case kRle4:
        return bits == 4;
    case kBitFields:
        return bits == 16 || bits == 32;
    default:
        return false;
    }
}

// Entries of the colour table as the drawing call reads it: the colours used, or all the colours
// of the bit count when none is given; after the header, three masks for bit fields.
uint64_t colourTableEntries(uint32_t bits, uint32_t compression, uint32_t coloursUsed) {
    if (bits <= 8)
        return coloursUsed != 0 ? coloursUsed : 1u << bits;
    return uint64_t{coloursUsed} + (compression == kBitFields ? 3 : 0);
}

// The logical palette of an image of up to 8 bits per pixel: 2 to the bit count entries, from the
// colour table as far as it goes, black after it.
os::Palette makePalette(const unsigned char *table, uint32_t tableEntries, uint32_t bits) {
    os::PaletteColour colours[256] = {};
    uint32_t count = 1u << bits;
    for (uint32_t index = 0; index < count && index < tableEntries; ++index) {
        const unsigned char *entry = table + 4 * index;
        colours[index] = os::PaletteColour{entry[2], entry[1], entry[0], 0};
    }
    return os::createPalette(colours, static_cast<int>(count));
}

// Reads the info header of data; the pixel rows begin pixelOffset bytes into the file.
bool readInfoHeader(BmpImage &image, uint32_t pixelOffset, uint32_t dataLength) {
    const unsigned char *data = image.fileData;
    image.hasInfoHeader = 1;
    uint32_t bits = read16(data + 14);
    int32_t width = static_cast<int32_t>(read32(data + 4));
    int32_t height = static_cast<int32_t>(read32(data + 8));
    uint32_t compression = read32(data + 16);
    uint32_t imageSize = read32(data + 20);
    uint32_t coloursUsed = read32(data + 32);
    image.bitCount = static_cast<int32_t>(bits);
    image.width = width;
    image.height = height;

    bool rle = compression == kRle8 || compression == kRle4;
    if (!validBitCount(bits) || !validCompression(compression, bits) || width <= 0 || height == 0 ||
        height == INT32_MIN || (rle && (height < 0 || imageSize == 0)) ||
        (bits <= 8 && coloursUsed > 1u << bits) || pixelOffset < kFileHeaderSize + kInfoHeaderSize)
        return fail(image, kNotBmp);

    uint64_t tableEntries = colourTableEntries(bits, compression, coloursUsed);
    if (kInfoHeaderSize + 4 * tableEntries > dataLength || pixelOffset - kFileHeaderSize > dataLength)
        return fail(image, kReadError);
    uint64_t available = dataLength - (pixelOffset - kFileHeaderSize);
    if (rle) {
        if (imageSize > available)
            return fail(image, kReadError);
    } else {
        uint64_t rowBytes = (uint64_t{static_cast<uint32_t>(width)} * bits + 31) / 32 * 4;
        uint64_t rows = static_cast<uint64_t>(height < 0 ? -int64_t{height} : int64_t{height});
        if (rowBytes > available || rows > available / rowBytes)
            return fail(image, kReadError);
    }

    if (bits < 16)
        image.palette = makePalette(data + kInfoHeaderSize, static_cast<uint32_t>(tableEntries), bits);
    image.pixels = data + (pixelOffset - kFileHeaderSize);
    return true;
}

// Reads count bytes at the stream's position into buffer; true when all came.
bool readExactly(std::FILE *file, unsigned char *buffer, std::size_t count) {
    return std::fread(buffer, 1, count, file) == count;
}

} // namespace

BmpImage::~BmpImage() {
    Reset();
}

void BmpImage::Reset() {
    if (palette != nullptr)
        os::deletePalette(palette);
    palette = nullptr;
    delete[] fileData;
    fileData = nullptr;
    pixels = nullptr;
    bitCount = hasInfoHeader = 0;
    error = nullptr;
    width = height = 0;
}

bool takeBmpData(BmpImage &image, const unsigned char *fileHeader, unsigned char *data, uint32_t dataLength) {
    image.fileData = data;
    uint32_t pixelOffset = read32(fileHeader + 10);
    if (dataLength < 4)
        return fail(image, kNotBmp);
    uint32_t headerSize = read32(data);
    if (headerSize == kInfoHeaderSize) {
        if (dataLength < kInfoHeaderSize)
            return fail(image, kNotBmp);
        return readInfoHeader(image, pixelOffset, dataLength);
    }
    if (dataLength < kOldHeaderSize)
        return fail(image, kNotBmp);
    image.hasInfoHeader = 0;
    image.bitCount = read16(data + 10);
    image.width = read16(data + 4);
    image.height = read16(data + 6);
    return fail(image, kOldHeader);
}

bool loadBmp(BmpImage &image, const char *fileName) {
    image.Reset();
    image.fileName.Assign(fileName);
    std::FILE *file = fileName != nullptr ? os::openFile(fileName, "rb") : nullptr;
    if (file == nullptr)
        return fail(image, kNotFound);

    long length = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : -1;
    unsigned char fileHeader[kFileHeaderSize];
    if (std::fseek(file, 0, SEEK_SET) != 0 || !readExactly(file, fileHeader, kFileHeaderSize)) {
        std::fclose(file);
        return fail(image, kNotBmp);
    }
    unsigned char *data = nullptr;
    bool complete = false;
    if (length >= static_cast<long>(kFileHeaderSize) && length <= kMaxFileSize) {
        std::size_t dataLength = static_cast<std::size_t>(length) - kFileHeaderSize;
        data = new (std::nothrow) unsigned char[dataLength];
        complete = data != nullptr && readExactly(file, data, dataLength);
    }
    std::fclose(file);
    if (!complete) {
        delete[] data;
        return fail(image, kReadError);
    }
    return takeBmpData(image, fileHeader, data, static_cast<uint32_t>(length) - kFileHeaderSize);
}

bool drawBmp(const BmpImage &image, os::DeviceContext context, int left, int top, int right, int bottom) {
    if (image.error != nullptr || image.pixels == nullptr)
        return false;
    os::Palette previous = nullptr;
    if (image.palette != nullptr)
        previous = os::selectPalette(context, image.palette, false);
    int sourceHeight = image.height < 0 ? -image.height : image.height;
    os::stretchDIBits(context, left, top, right - left + 1, bottom - top + 1, 0, 0, image.width, sourceHeight,
                      image.pixels, image.fileData);
    if (image.palette != nullptr)
        os::selectPalette(context, previous, false);
    return true;
}
