#include "dib_pattern_pixels.h"

#include "nearest_entry.h"
#include "ordered_dither.h"
#include "palette_colors.h"

namespace {

PixelFormat ResolvedFormat(const Brush& brush, const std::vector<Rgb>& palette) {
    PixelFormat format = brush.pattern->format;
    if (!brush.paletteIndices) return format;
    format.table = PaletteColorsTable(*brush.paletteIndices, palette);
    return format;
}

}  // namespace

DibPatternPixels::DibPatternPixels(const Brush& brush, const std::vector<Rgb>& palette,
                                   const Surface& destination)
    : m_format(ResolvedFormat(brush, palette)),
      m_destination(destination),
      m_keepsValue(destination.format.bitsPerPixel > 1 && m_format == destination.format) {}

std::uint32_t DibPatternPixels::operator()(std::uint32_t value, int x, int y) const {
    if (m_keepsValue) return value;
    const Rgb rgb = UnpackRgb(m_format, value);
    const PixelFormat& to = m_destination.format;
    // A colour pattern is dithered onto two colours, never matched to the nearer one.
    if (to.bitsPerPixel == 1) {
        const bool white = PatternDitherIsWhite(rgb.red, rgb.green, rgb.blue, x, y);
        return NearestEntry(to.table, white ? Rgb{255, 255, 255} : Rgb{});
    }
    if (to.HasTable())
        return NearestEntry(to.table, m_format.HasTable() ? rgb : CutToFiveBitMiddle(rgb));
    return PackRgb(to, rgb);
}
