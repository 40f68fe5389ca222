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

} // namespace
