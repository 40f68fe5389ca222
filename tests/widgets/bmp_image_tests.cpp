// The bitmap reader on generated files: 24-bit and palette images, the four errors, files whose
// headers lie about offsets and sizes, drawing, and the cache.
#include "widgets/bmp_image.h"

#include "support/paint_surface.h"
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

TEST_F(BmpImageTest, TwentyFourBitImageLoadsWithoutPaletteAndFillsTheRectangle) {
    BmpFile file;
    std::string bytes = file.bytes();
    bytes[0] = 'X'; // the signature is not looked at
    ASSERT_TRUE(load("logo.bmp", bytes));
    EXPECT_EQ(image.error, nullptr);
    EXPECT_EQ(image.hasInfoHeader, 1);
    EXPECT_EQ(image.bitCount, 24);
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.palette, nullptr);
    EXPECT_EQ(image.pixels, image.fileData + 40);
    EXPECT_STREQ(image.fileName.CStr(), scratchPath("logo.bmp").c_str());

    PaintSurface surface(300, 70);
    EXPECT_TRUE(drawBmp(image, surface.context(), 4, 6, 289, 59));
    os::Box painted = surface.paintedBox();
    EXPECT_EQ(painted.left, 4);
    EXPECT_EQ(painted.top, 6);
    EXPECT_EQ(painted.right - painted.left, 286);
    EXPECT_EQ(painted.bottom - painted.top, 54);
    uint32_t colour = 0;
    if (surface.colourAt(4, 6, colour)) {
        EXPECT_EQ(colour, 0x0000FFu) << "top row blue";
    }
    if (surface.colourAt(289, 59, colour)) {
        EXPECT_EQ(colour, 0xFF0000u) << "bottom row red";
    }
}

TEST_F(BmpImageTest, PaletteImagesGetTwoToTheBitCountEntriesFromTheirColourTable) {
    ASSERT_TRUE(load("eight.bmp", paletteImage(8, 256).bytes()));
    ASSERT_NE(image.palette, nullptr);
    os::PaletteColour colours[256];
    ASSERT_EQ(os::getPaletteEntries(image.palette, 0, 256, colours), 256);
    EXPECT_EQ(os::getPaletteEntries(image.palette, 256, 1, colours + 255), 0) << "exactly 256 entries";
    for (int index : {0, 1, 127, 255}) {
        EXPECT_EQ(colours[index].red, index);
        EXPECT_EQ(colours[index].green, 255 - index);
        EXPECT_EQ(colours[index].blue, index / 2);
        EXPECT_EQ(colours[index].flags, 0);
    }
    PaintSurface surface(20, 20);
    EXPECT_TRUE(drawBmp(image, surface.context(), 0, 0, 9, 9));
    EXPECT_EQ(surface.paintedBox().right, 10);

    // A table of two colours used: the rest of the palette is black, nothing read past the table.
    BmpFile twoUsed = paletteImage(8, 2);
    twoUsed.coloursUsed = 2;
    ASSERT_TRUE(load("two.bmp", twoUsed.bytes()));
    ASSERT_EQ(os::getPaletteEntries(image.palette, 0, 256, colours), 256);
    EXPECT_EQ(colours[1].green, 254);
    EXPECT_EQ(colours[2].red + colours[2].green + colours[2].blue, 0);

    ASSERT_TRUE(load("mono.bmp", paletteImage(1, 2).bytes()));
    EXPECT_EQ(os::getPaletteEntries(image.palette, 0, 256, colours), 2);
}

TEST_F(BmpImageTest, TheFourErrorsDrawNothing) {
    PaintSurface surface(50, 50);
    EXPECT_FALSE(load("short.bmp", std::string("BM\x10\0\0\0\0\0\0\0", 10)));
    EXPECT_STREQ(image.error, "Ce n'est pas un fichier BMP");
    EXPECT_FALSE(drawBmp(image, surface.context(), 0, 0, 10, 10));

    EXPECT_FALSE(loadBmp(image, scratchPath("absent.bmp").c_str()));
    EXPECT_STREQ(image.error, "Fichier BMP introuvable");
    EXPECT_FALSE(drawBmp(image, surface.context(), 0, 0, 10, 10));

    BmpFile core;
    core.headerSize = 12;
    core.width = 0x1234;
    core.height = 0x0203;
    EXPECT_EQ(errorOf(core), "Ancien BitMap non pris en charge");
    EXPECT_EQ(image.hasInfoHeader, 0);
    EXPECT_EQ(image.width, 0x1234);
    EXPECT_EQ(image.height, 0x0203);
    EXPECT_EQ(image.bitCount, 24);
    EXPECT_FALSE(drawBmp(image, surface.context(), 0, 0, 10, 10));

    BmpFile v5;
    v5.headerSize = 124;
    EXPECT_EQ(errorOf(v5), "Ancien BitMap non pris en charge");
    EXPECT_EQ(surface.paintedBox().right, 0);
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

    EXPECT_FALSE(load("header.bmp", BmpFile().bytes().substr(0, 30)));
    EXPECT_EQ(image.error, notBmp) << "file ends inside the header";

    BmpFile rle = paletteImage(8, 256);
    rle.compression = 1;
    rle.pixels = std::string("\x01\x05\x00\x01", 4);
    EXPECT_TRUE(load("rle.bmp", rle.bytes())) << "run lengths are drawn as they are";
    rle.bits = 24;
    rle.colours.clear();
    EXPECT_EQ(errorOf(rle), notBmp) << "8-bit run lengths in a 24-bit image";
}

TEST_F(BmpImageTest, TopDownImagesLoadAndAReloadForgetsThePreviousImage) {
    BmpFile topDown;
    topDown.height = -2;
    ASSERT_TRUE(load("down.bmp", topDown.bytes()));
    EXPECT_EQ(image.height, -2);

    ASSERT_TRUE(load("eight.bmp", paletteImage(8, 256).bytes()));
    ASSERT_NE(image.palette, nullptr);
    EXPECT_FALSE(load("short.bmp", "0123456789"));
    EXPECT_EQ(image.palette, nullptr);
    EXPECT_EQ(image.pixels, nullptr);
    EXPECT_EQ(image.width, 0);
    ASSERT_TRUE(load("logo.bmp", BmpFile().bytes()));
    EXPECT_EQ(image.error, nullptr);
}

TEST_F(BmpImageTest, TheCacheReadsEachFileNameOnce) {
    // Names of their own: the cache lives as long as the test program.
    std::string name = scratchPath("cache-logo.bmp");
    writeBytes("cache-logo.bmp", BmpFile().bytes());
    EXPECT_EQ(getBmpImage(name.c_str(), false), nullptr);
    BmpImage *first = getBmpImage(name.c_str(), true);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->width, 2);

    BmpFile wider;
    wider.width = 1;
    wider.pixels.resize(8);
    writeBytes("cache-logo.bmp", wider.bytes());
    EXPECT_EQ(getBmpImage(name.c_str(), true), first);
    EXPECT_EQ(first->width, 2) << "not read again";

    std::string otherCase = scratchPath("CACHE-LOGO.BMP");
    BmpImage *second = getBmpImage(otherCase.c_str(), true);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->width, 1);

    std::string missing = scratchPath("cache-absent.bmp");
    testing::internal::CaptureStderr();
    BmpImage *failed = getBmpImage(missing.c_str(), true);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Erreur de BMP : " + missing + " : Fichier BMP introuvable\n");
    ASSERT_NE(failed, nullptr);
    EXPECT_STREQ(failed->error, "Fichier BMP introuvable");
    EXPECT_EQ(getBmpImage(missing.c_str(), false), failed);
}

} // namespace
