// The sandbox half of the test surface: a device context that records where bitmaps were drawn.
#include "support/paint_surface.h"

#include "platform/posix/device_context.h"

#include <algorithm>

struct PaintSurface::Surface {
    os::DeviceContextRecord record;
};

PaintSurface::PaintSurface(int, int) : surface(std::make_unique<Surface>()) {}

PaintSurface::~PaintSurface() = default;

os::DeviceContext PaintSurface::context() const {
    return &surface->record;
}

os::Box PaintSurface::paintedBox() const {
    const std::vector<os::Box> &painted = surface->record.painted;
    if (painted.empty())
        return os::Box{0, 0, 0, 0};
    os::Box box = painted.front();
    for (const os::Box &next : painted) {
        box.left = std::min(box.left, next.left);
        box.top = std::min(box.top, next.top);
        box.right = std::max(box.right, next.right);
        box.bottom = std::max(box.bottom, next.bottom);
    }
    return box;
}

bool PaintSurface::colourAt(int, int, uint32_t &) const {
    return false;
}
