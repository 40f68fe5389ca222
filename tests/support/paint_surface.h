// A surface the tests draw on: a memory device context, and what was drawn onto it.
#pragma once

#include "platform/controls.h"
#include "platform/drawing.h"

#include <cstdint>
#include <memory>

class PaintSurface {
public:
    PaintSurface(int width, int height);
    ~PaintSurface();
    PaintSurface(const PaintSurface &) = delete;
    PaintSurface &operator=(const PaintSurface &) = delete;

    os::DeviceContext context() const;
    // The smallest box holding everything drawn so far; {0, 0, 0, 0} when nothing was drawn.
    os::Box paintedBox() const;
    // The colour 0xRRGGBB at a point, when the platform draws pixels (Windows); false in the
    // sandbox, which only records where it drew.
    bool colourAt(int x, int y, uint32_t &colour) const;

    struct Surface; // the platform's part (tests/support/<platform>/paint_surface.cpp)

private:
    std::unique_ptr<Surface> surface;
};
