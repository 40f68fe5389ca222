// The Windows half of the test surface: a 32-bit top-down DIB section in a memory device context,
// filled with a colour the tests never draw, so that drawn pixels can be found.
#include "support/paint_surface.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

namespace {
constexpr uint32_t kUntouched = 0x00FF00FF; // magenta
}

struct PaintSurface::Surface {
    HDC context = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    uint32_t *pixels = nullptr;
    int width = 0, height = 0;
};

PaintSurface::PaintSurface(int width, int height) : surface(std::make_unique<Surface>()) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    surface->context = CreateCompatibleDC(nullptr);
    surface->bitmap = CreateDIBSection(surface->context, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (surface->context == nullptr || surface->bitmap == nullptr || bits == nullptr) {
        ADD_FAILURE() << "no memory device context";
        return;
    }
    surface->previous = SelectObject(surface->context, surface->bitmap);
    surface->pixels = static_cast<uint32_t *>(bits);
    surface->width = width;
    surface->height = height;
    GdiFlush();
    std::fill(surface->pixels, surface->pixels + width * height, kUntouched);
}

PaintSurface::~PaintSurface() {
    if (surface->previous != nullptr)
        SelectObject(surface->context, surface->previous);
    if (surface->bitmap != nullptr)
        DeleteObject(surface->bitmap);
    if (surface->context != nullptr)
        DeleteDC(surface->context);
}

os::DeviceContext PaintSurface::context() const {
    return reinterpret_cast<os::DeviceContext>(surface->context);
}

os::Box PaintSurface::paintedBox() const {
    GdiFlush();
    os::Box box{surface->width, surface->height, 0, 0};
    bool any = false;
    for (int y = 0; y < surface->height; ++y) {
        for (int x = 0; x < surface->width; ++x) {
            if (surface->pixels[y * surface->width + x] == kUntouched)
                continue;
            any = true;
            box.left = std::min<int32_t>(box.left, x);
            box.top = std::min<int32_t>(box.top, y);
            box.right = std::max<int32_t>(box.right, x + 1);
            box.bottom = std::max<int32_t>(box.bottom, y + 1);
        }
    }
    return any ? box : os::Box{0, 0, 0, 0};
}

bool PaintSurface::colourAt(int x, int y, uint32_t &colour) const {
    if (surface->pixels == nullptr || x < 0 || y < 0 || x >= surface->width || y >= surface->height)
        return false;
    GdiFlush();
    colour = surface->pixels[y * surface->width + x] & 0x00FFFFFF;
    return true;
}
