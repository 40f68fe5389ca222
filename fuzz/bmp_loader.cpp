// Fuzz target: any bytes as the contents of a bitmap file. An image that loads must have its
// colour table and every pixel row inside the file: they are all read here, as the drawing call
// would read them, so that the sanitizers see any byte past the end.
#include "widgets/bmp_image.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

uint32_t read32(const unsigned char *at) {
    return static_cast<uint32_t>(at[0] | at[1] << 8 | at[2] << 16) | static_cast<uint32_t>(at[3]) << 24;
}

// Sums count bytes (the sum only keeps the reads from being optimised away).
unsigned sum(const unsigned char *bytes, uint64_t count) {
    unsigned total = 0;
    for (uint64_t index = 0; index < count; ++index)
        total += bytes[index];
    return total;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 14 || size > 1 << 20)
        return 0;
    auto *rest = new unsigned char[size - 14];
    std::memcpy(rest, data + 14, size - 14);
    BmpImage image;
    if (!takeBmpData(image, data, rest, static_cast<uint32_t>(size - 14)))
        return 0;
    if (image.error != nullptr || image.pixels == nullptr || image.hasInfoHeader != 1)
        std::abort();

    const unsigned char *header = image.fileData;
    uint32_t bits = static_cast<uint32_t>(image.bitCount), compression = read32(header + 16);
    uint32_t used = read32(header + 32);
    uint64_t entries = bits <= 8 ? (used != 0 ? used : 1u << bits) : used + (compression == 3 ? 3 : 0);
    unsigned total = sum(header, 40 + 4 * entries);
    if (compression == 1 || compression == 2) {
        total += sum(image.pixels, read32(header + 20));
    } else {
        uint64_t rowBytes = (uint64_t{static_cast<uint32_t>(image.width)} * bits + 31) / 32 * 4;
        uint64_t rows =
            static_cast<uint64_t>(image.height < 0 ? -int64_t{image.height} : int64_t{image.height});
        total += sum(image.pixels, rowBytes * rows);
    }
    return total == 0xFFFFFFFFu ? 1 : 0;
}
