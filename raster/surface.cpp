#include "surface.h"

#include <cstdlib>

#include "stock_colors.h"

std::size_t DibStride(int width, int bitsPerPixel) {
    return (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

std::size_t MonochromeBitmapStride(int width) {
    return (static_cast<std::size_t>(width) + 15) / 16 * 2;
}

Surface MakeDibSurface(PixelFormat format, int width, int height) {
    Surface surface;
    surface.kind = SurfaceKind::Dib;
    surface.width = width;
    surface.height = std::abs(height);
    surface.topDown = height < 0;
    surface.stride = DibStride(width, format.bitsPerPixel);
    surface.format = std::move(format);
    surface.bytes.assign(surface.stride * static_cast<std::size_t>(surface.height), 0);
    return surface;
}

Surface MakeMonochromeBitmap(int width, int height) {
    Surface surface;
    surface.kind = SurfaceKind::MonochromeBitmap;
    surface.format.bitsPerPixel = 1;
    surface.format.table = MonochromeBitmapColors();
    surface.width = width;
    surface.height = height;
    surface.topDown = true;
    surface.stride = MonochromeBitmapStride(width);
    surface.bytes.assign(surface.stride * static_cast<std::size_t>(height), 0);
    return surface;
}

void ClearMonochromePadding(Surface& surface) {
    const std::size_t full = static_cast<std::size_t>(surface.width) / 8;
    const int rest = surface.width % 8;
    for (int y = 0; y < surface.height; ++y) {
        std::uint8_t* row = surface.Row(y);
        if (rest) row[full] &= static_cast<std::uint8_t>(0xFF00 >> rest);
        for (std::size_t i = full + (rest ? 1 : 0); i < surface.stride; ++i) row[i] = 0;
    }
}
