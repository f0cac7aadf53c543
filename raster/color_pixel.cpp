#include "color_pixel.h"

#include "nearest_entry.h"

Rgb ResolveRgb(ColorRef color, const std::vector<Rgb>& palette) {
    if (IsDibIndex(color)) return {};
    if (!IsPaletteIndex(color)) return RgbOf(color);
    if (palette.empty()) return {};
    const std::uint16_t n = ColorIndex(color);
    return n < palette.size() ? palette[n] : palette[0];
}

std::uint32_t DibIndexPixel(ColorRef color, const Surface& surface) {
    const std::uint32_t n = ColorIndex(color);
    return surface.HasTable() && n < (1u << surface.format.bitsPerPixel) ? n : 0;
}

std::uint32_t PixelOfColor(ColorRef color, const Surface& surface,
                           const std::vector<Rgb>& palette) {
    if (IsDibIndex(color)) return DibIndexPixel(color, surface);
    const Rgb rgb = ResolveRgb(color, palette);
    if (surface.HasTable()) return NearestEntry(surface.format.table, rgb);
    return PackRgb(surface.format, rgb);
}
