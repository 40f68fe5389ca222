// AnchorLayout: edges anchored to the right and bottom lines or the left and top edges, controls
// moved or stretched, and the minimum size recorded by the first layout.
#include "widgets/anchor_layout.h"
#include "support/fake_dialog.h"

#include <gtest/gtest.h>

// Comparing and printing boxes in the checks (found by argument-dependent look-up).
namespace os {
bool operator==(const Box &a, const Box &b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
std::ostream &operator<<(std::ostream &out, const Box &box) {
    return out << "(" << box.left << ", " << box.top << ")-(" << box.right << ", " << box.bottom << ")";
}
} // namespace os

namespace {

class AnchorLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.MoveToBox({100, 200, 500, 500}, false); // client area on the screen, 400 x 300
        list.MoveToBox({110, 210, 400, 400}, false);
        button.MoveToBox({410, 460, 490, 480}, false);
        layout.SetUp(&dialog, 0, 0, 5, 5);
        layout.Add(&list, kAnchorRight | kAnchorBottom, 0, -25);
        layout.Add(&button, kAnchorRight | kAnchorBottom | kAnchorKeepSize);
    }

    FakeDialog dialog;
    FakeWindow list, button;
    AnchorLayout layout;
};

TEST_F(AnchorLayoutTest, LeftAndTopAnchorsAndDefaultMargins) {
    FakeWindow banner;
    banner.MoveToBox({150, 260, 250, 280}, false);
    layout.SetUp(&dialog, -1, -1, -1, -1); // 50, 50, 10, 10
    layout.Add(&banner, kAnchorLeft | kAnchorTop | kAnchorKeepSize, 3, 4);
    layout.Add(&list, kAnchorRight);
    int buttonMoves = button.moves;
    layout.Apply();
    EXPECT_EQ(banner.GetBox(false), (os::Box{103, 204, 203, 224}));
    EXPECT_EQ(list.GetBox(false), (os::Box{110, 210, 440, 400}));
    EXPECT_EQ(button.moves, buttonMoves) << "SetUp forgets the controls added before";
}

TEST_F(AnchorLayoutTest, NeverBelowTheFirstSizeAndRescaledForAnotherDpi) {
    ASSERT_EQ(layout.Apply(), 1); // 400 x 300 becomes the minimum; anchor lines x = y = 495
    EXPECT_EQ(list.GetBox(false), (os::Box{110, 210, 495, 470}));
    EXPECT_EQ(button.GetBox(false), (os::Box{415, 475, 495, 495}));

    dialog.MoveToBox({100, 200, 400, 600}, false); // narrower than the minimum: laid out as 400 wide
    ASSERT_EQ(layout.Apply(), 1);
    EXPECT_EQ(list.GetBox(false), (os::Box{110, 210, 495, 570}));
    dialog.MoveToBox({100, 200, 300, 300}, false); // narrower and lower: nothing moves
    EXPECT_EQ(layout.Apply(), 0);
    EXPECT_EQ(list.GetBox(false), (os::Box{110, 210, 495, 570}));

    layout.Rescale(1, 0); // no such scale: nothing changes
    layout.Rescale(192, 96); // margins 0, 0, 10, 10, the list's offset -50, the minimum 800 x 600
    dialog.MoveToBox({100, 200, 700, 1000}, false); // 600 x 800: laid out as 800 wide
    ASSERT_EQ(layout.Apply(), 1);
    EXPECT_EQ(list.GetBox(false), (os::Box{110, 210, 890, 940}));
    dialog.MoveToBox({100, 200, 1100, 700}, false); // 1000 x 500: laid out as 600 high
    ASSERT_EQ(layout.Apply(), 1);
    EXPECT_EQ(list.GetBox(false), (os::Box{110, 210, 1090, 740}));
}

} // namespace
