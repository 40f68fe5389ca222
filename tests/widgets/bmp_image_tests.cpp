// The bitmap reader on generated files: a 24-bit image, the four errors and files whose headers
// lie about offsets and sizes (the logo as drawn is checked on the dialog under Wine).
#include "widgets/bmp_image.h"

#include "support/test_machine.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

void putBytes(std::string &out, uint32_t value, int count) {
    for (int i = 0; i < count; ++i)
        out.push_back(static_cast<char>(value >> 8 * i & 0xFF));
}
void put16(std::string &out, uint32_t value) { putBytes(out, value, 2); }
void put32(std::string &out, uint32_t value) { putBytes(out, value, 4); }

// The bytes of a bitmap file; the defaults make a valid 2 x 2 24-bit image.
struct BmpFile {
    uint32_t headerSize = 40;
    int32_t width = 2, height = 2;
    uint32_t bits = 24, compression = 0, coloursUsed = 0;
    std::vector<uint32_t> colours; // colour table, 0xRRGGBB
    // Rows from the bottom: two red pixels, then two blue ones (6 bytes and 2 of padding each).
    std::string pixels = std::string("\x00\x00\xFF\x00\x00\xFF\0\0\xFF\x00\x00\xFF\x00\x00\0\0", 16);
    int64_t pixelOffset = -1; // -1: right after the colour table

    std::string bytes() const {
        std::string header;
        put32(header, headerSize);
        if (headerSize == 12) {
            put16(header, static_cast<uint32_t>(width));
            put16(header, static_cast<uint32_t>(height));
            put16(header, 1);
            put16(header, bits);
        } else {
            put32(header, static_cast<uint32_t>(width));
            put32(header, static_cast<uint32_t>(height));
            put16(header, 1);
            put16(header, bits);
            put32(header, compression);
            for (uint32_t field : {static_cast<uint32_t>(pixels.size()), 2835u, 2835u, coloursUsed, 0u})
                put32(header, field);
            header.resize(headerSize, '\0');
        }
        for (uint32_t colour : colours)
            put32(header, colour); // blue, green, red, 0 in little-endian order
        uint32_t offset =
            pixelOffset < 0 ? 14 + static_cast<uint32_t>(header.size()) : static_cast<uint32_t>(pixelOffset);
        std::string file = "BM";
        put32(file, static_cast<uint32_t>(14 + header.size() + pixels.size()));
        put32(file, 0);
        put32(file, offset);
        return file + header + pixels;
    }
};

BmpFile paletteImage(uint32_t bits, uint32_t entries) {
    BmpFile file;
    file.bits = bits;
    file.width = file.height = 1;
    file.pixels = std::string(4, '\x01');
    for (uint32_t index = 0; index < entries; ++index)
        file.colours.push_back((index & 0xFF) << 16 | (255 - (index & 0xFF)) << 8 | (index / 2 & 0xFF));
    return file;
}

class BmpImageTest : public TestMachine {
protected:
    // Writes the file and loads it into image.
    bool load(const std::string &name, const std::string &bytes) {
        writeBytes(name, bytes);
        return loadBmp(image, scratchPath(name).c_str());
    }
    std::string errorOf(const BmpFile &file) {
        EXPECT_FALSE(load("bad.bmp", file.bytes()));
        return image.error != nullptr ? image.error : "(none)";
    }

    BmpImage image;
};

TEST_F(BmpImageTest, TheFourErrorsRefuseToDraw) {
    EXPECT_FALSE(load("short.bmp", std::string("BM\x10\0\0\0\0\0\0\0", 10)));
    EXPECT_STREQ(image.error, "Ce n'est pas un fichier BMP");
    EXPECT_FALSE(drawBmp(image, nullptr, 0, 0, 10, 10));

    EXPECT_FALSE(loadBmp(image, scratchPath("absent.bmp").c_str()));
    EXPECT_STREQ(image.error, "Fichier BMP introuvable");
    EXPECT_FALSE(drawBmp(image, nullptr, 0, 0, 10, 10));

    BmpFile core;
    core.headerSize = 12;
    core.width = 0x1234;
    core.height = 0x0203;
    EXPECT_EQ(errorOf(core), "Ancien BitMap non pris en charge");
    EXPECT_EQ(image.hasInfoHeader, 0);
    EXPECT_EQ(image.width, 0x1234);
    EXPECT_EQ(image.height, 0x0203);
    EXPECT_EQ(image.bitCount, 24);
    EXPECT_FALSE(drawBmp(image, nullptr, 0, 0, 10, 10));

    BmpFile v5;
    v5.headerSize = 124;
    EXPECT_EQ(errorOf(v5), "Ancien BitMap non pris en charge");
}

TEST_F(BmpImageTest, HeadersThatLieAreRefused) {
    const std::string notBmp = "Ce n'est pas un fichier BMP", readError = "Erreur de lecture du fichier BMP";
    BmpFile file;
    file.pixelOffset = 0x7FFFFFF0;
    EXPECT_EQ(errorOf(file), readError) << "pixel offset beyond the file";
    file.pixelOffset = 14 + 40 + 16;
    EXPECT_EQ(errorOf(file), readError) << "pixel offset at the end of the file";
    file.pixelOffset = 20;
    EXPECT_EQ(errorOf(file), notBmp) << "pixels inside the header";

    file = BmpFile();
    file.pixels.resize(15);
    EXPECT_EQ(errorOf(file), readError) << "last row cut";
    file = BmpFile();
    file.width = -2;
    EXPECT_EQ(errorOf(file), notBmp);
    file.width = 0x7FFFFFFF;
    EXPECT_EQ(errorOf(file), readError);
    file = BmpFile();
    file.height = 0;
    EXPECT_EQ(errorOf(file), notBmp);
    file.height = INT32_MIN;
    EXPECT_EQ(errorOf(file), notBmp);
    file = BmpFile();
    file.bits = 7;
    EXPECT_EQ(errorOf(file), notBmp);
    file = BmpFile();
    file.coloursUsed = 0x40000000;
    EXPECT_EQ(errorOf(file), readError) << "colour table beyond the file";

    BmpFile palette = paletteImage(8, 256);
    palette.coloursUsed = 1000;
    EXPECT_EQ(errorOf(palette), notBmp) << "more colours than 8 bits can index";
    std::string cut = paletteImage(8, 256).bytes().substr(0, 14 + 40 + 100);
    EXPECT_FALSE(load("cut.bmp", cut));
    EXPECT_EQ(image.error, readError) << "file ends inside the colour table";
    BmpFile uncounted = paletteImage(8, 0);
    uncounted.pixelOffset = 14 + 40;
    EXPECT_EQ(errorOf(uncounted), readError) << "8 bits without a colour count: all 256 colours, beyond the file";

    for (std::size_t size : {30, 14}) {
        EXPECT_FALSE(load("header.bmp", BmpFile().bytes().substr(0, size)));
        EXPECT_EQ(image.error, notBmp) << "file ends inside the header, " << size << " bytes";
    }

    BmpFile rle = paletteImage(8, 256);
    rle.compression = 1;
    rle.pixels = std::string("\x01\x05\x00\x01", 4);
    EXPECT_TRUE(load("rle.bmp", rle.bytes())) << "run lengths are drawn as they are";
    rle.bits = 24;
    rle.colours.clear();
    EXPECT_EQ(errorOf(rle), notBmp) << "8-bit run lengths in a 24-bit image";

    BmpFile fields;
    fields.bits = 32;
    fields.compression = 3;
    fields.colours = {0xFF0000, 0xFF00, 0xFF}; // the red, green and blue masks
    EXPECT_TRUE(load("fields.bmp", fields.bytes())) << "32-bit pixels with bit fields";
    fields.bits = 24;
    EXPECT_EQ(errorOf(fields), notBmp) << "bit fields in a 24-bit image";

    std::string large = paletteImage(8, 256).bytes();
    large.resize(64 << 20, '\0'); // what follows the pixels is no part of the image
    EXPECT_TRUE(load("large.bmp", large)) << "a file of 64 MB at most is read: " << (image.error ? image.error : "");
    large.push_back('\0');
    EXPECT_FALSE(load("large.bmp", large)) << "a larger one is not";
}

} // namespace
