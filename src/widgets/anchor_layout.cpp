// The arithmetic of the anchor layout (see anchor_layout.h). Every box is on the screen.
#include "widgets/anchor_layout.h"

#include <initializer_list>

namespace {

// One edge placed on an anchor line, the opposite one moved along when the size is kept.
void placeEdge(int32_t &edge, int32_t &opposite, int32_t position, bool keepSize) {
    if (keepSize)
        opposite += position - edge;
    edge = position;
}

os::Box anchoredBox(os::Box box, const AnchorItem &item, const os::Box &client, int32_t xLine,
                    int32_t yLine) {
    bool keepSize = (item.flags & kAnchorKeepSize) != 0;
    if ((item.flags & kAnchorRight) && xLine >= box.left)
        placeEdge(box.right, box.left, xLine + item.dx, keepSize);
    if ((item.flags & kAnchorLeft) && client.left < box.right)
        placeEdge(box.left, box.right, client.left + item.dx, keepSize);
    if ((item.flags & kAnchorBottom) && yLine >= box.top)
        placeEdge(box.bottom, box.top, yLine + item.dy, keepSize);
    if ((item.flags & kAnchorTop) && client.top < box.bottom)
        placeEdge(box.top, box.bottom, client.top + item.dy, keepSize);
    return box;
}

} // namespace

AnchorLayout::~AnchorLayout() {
    ListClear<AnchorItem>(items);
}

void AnchorLayout::SetUp(os::Window *dialogWindow, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    ListClear<AnchorItem>(items);
    dialog = dialogWindow;
    leftMargin = left == -1 ? 50 : left;
    topMargin = top == -1 ? 50 : top;
    rightMargin = right == -1 ? 10 : right;
    bottomMargin = bottom == -1 ? 10 : bottom;
    minimumWidth = minimumHeight = -1;
}

void AnchorLayout::Add(os::Window *control, int flags, int32_t dx, int32_t dy) {
    if (control != nullptr)
        ListPushBack(items, new AnchorItem{control, flags, dx, dy});
}

void AnchorLayout::Rescale(int32_t numerator, int32_t denominator) {
    if (denominator <= 0)
        return;
    auto scale = [&](int32_t &value) {
        value = static_cast<int32_t>(static_cast<int64_t>(value) * numerator / denominator);
    };
    for (int32_t *value : {&leftMargin, &topMargin, &rightMargin, &bottomMargin})
        scale(*value);
    if (minimumWidth >= 0) {
        scale(minimumWidth);
        scale(minimumHeight);
    }
    for (NodeCell *cell = items; cell != nullptr; cell = cell->next) {
        auto *item = static_cast<AnchorItem *>(cell->item);
        scale(item->dx);
        scale(item->dy);
    }
}

int AnchorLayout::Apply() {
    if (dialog == nullptr)
        return 0;
    os::Box client = dialog->GetBox(true);
    if (minimumWidth < 0) {
        minimumWidth = client.right - client.left;
        minimumHeight = client.bottom - client.top;
    }
    bool narrow = client.right - client.left < minimumWidth;
    bool low = client.bottom - client.top < minimumHeight;
    if (narrow && low)
        return 0;
    if (narrow)
        client.right = client.left + minimumWidth;
    if (low)
        client.bottom = client.top + minimumHeight;

    int32_t xLine = client.right - (leftMargin + rightMargin);
    int32_t yLine = client.bottom - (topMargin + bottomMargin);
    if (xLine > client.left && yLine > client.top) {
        for (NodeCell *cell = items; cell != nullptr; cell = cell->next) {
            const AnchorItem &item = *static_cast<AnchorItem *>(cell->item);
            item.control->MoveToBox(anchoredBox(item.control->GetBox(false), item, client, xLine, yLine),
                                    false);
        }
    }
    dialog->Redraw();
    return 1;
}
