// The sample machine's logo drawn in the sandbox, whose device context records the rectangles
// bitmaps are drawn onto and the palette selected: the box given, last pixels included, and the
// palette that was selected before put back.
#include "platform/posix/device_context.h"
#include "support/posix/machine_changes.h"
#include "support/test_machine.h"
#include "widgets/bmp_image.h"

namespace {

class BmpDrawing : public TestMachine {};

TEST_F(BmpDrawing, TheLogoFillsTheBoxGivenAndPutsThePaletteBack) {
    writeBytes("logo.bmp", fileBytes(VELTRA_SAMPLES_DIR "/machine/drive_c/Program Files/Veltra/imgmenu/vltprd.bmp"));
    BmpImage logo;
    ASSERT_TRUE(loadBmp(logo, scratchPath("logo.bmp").c_str()));
    ASSERT_NE(logo.palette, nullptr) << "an 8-bit image";
    os::DeviceContextRecord context;
    ASSERT_TRUE(drawBmp(logo, &context, 10, 20, 439, 114));
    ASSERT_EQ(context.painted.size(), 1u);
    EXPECT_EQ(context.painted[0].left, 10);
    EXPECT_EQ(context.painted[0].top, 20);
    EXPECT_EQ(context.painted[0].right, 440);
    EXPECT_EQ(context.painted[0].bottom, 115);
    EXPECT_EQ(context.selected, nullptr);
    EXPECT_TRUE(drawBmp(logo, nullptr, 10, 20, 439, 114)) << "without a device context nothing is drawn";
}

} // namespace
