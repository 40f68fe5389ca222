// AnchorLayout: keeps the controls of a resizable dialog anchored to its right and bottom edges
// (or its left and top edges) when the dialog is resized, never below the dialog's first size.
#pragma once

#include "core/node_list.h"
#include "platform/controls.h"

#include <cstdint>

// Flags of an anchored control.
enum AnchorFlags : int {
    kAnchorRight = 1,     // right edge to the anchor line x = client right - (left + right margins)
    kAnchorLeft = 2,      // left edge to the client's left edge
    kAnchorBottom = 4,    // bottom edge to the anchor line y = client bottom - (top + bottom margins)
    kAnchorTop = 8,       // top edge to the client's top edge
    kAnchorKeepSize = 16, // the opposite edge moves along: the control is moved, not stretched
};

// One control of the layout; dx and dy are added to the anchored edges.
struct AnchorItem {
    os::Window *control;
    int flags;
    int32_t dx, dy;
};

class AnchorLayout {
public:
    AnchorLayout() = default;
    ~AnchorLayout();
    AnchorLayout(const AnchorLayout &) = delete;
    AnchorLayout &operator=(const AnchorLayout &) = delete;

    // Lays out the controls of dialog with these margins (-1 for each: 50, 50, 10, 10); forgets
    // the controls and the minimum size of a previous set-up.
    void SetUp(os::Window *dialog, int32_t left, int32_t top, int32_t right, int32_t bottom);
    // Appends a control (ignored when null).
    void Add(os::Window *control, int flags, int32_t dx = 0, int32_t dy = 0);
    // Moves the controls for the dialog's current size and redraws the dialog; the first call
    // records that size as the minimum. A width or height below the minimum counts as the
    // minimum; when both are below, nothing moves and 0 is returned, else 1.
    int Apply();
    // Scales the margins, offsets and minimum size, all in pixels, by numerator / denominator (a
    // move to a monitor of another DPI); a denominator of 0 or less changes nothing.
    void Rescale(int32_t numerator, int32_t denominator);

private:
    NodeList items = nullptr; // owned AnchorItems, in the order added
    os::Window *dialog = nullptr;
    int32_t leftMargin = 50, topMargin = 50, rightMargin = 10, bottomMargin = 10;
    int32_t minimumWidth = -1, minimumHeight = -1;
};
