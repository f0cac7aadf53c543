#include "brush_tile.h"

#include "color_pixel.h"
#include "dib_pattern_pixels.h"
#include "hatch_cells.h"
#include "one_bit_colors.h"
#include "ordered_dither.h"
#include "surface_pixels.h"

namespace {

BrushTile EmptyTile(const DcState& dc, int width, int height) {
    BrushTile tile;
    tile.width = width;
    tile.height = height;
    tile.pixels.assign(static_cast<std::size_t>(width) * height, 0);
    tile.drawn.assign(tile.pixels.size(), 1);
    tile.originX = dc.brushOrigin.x;
    tile.originY = dc.brushOrigin.y;
    return tile;
}

// A solid colour on a monochrome bitmap is GDI's 8 x 8 ordered dither of its light; DIBINDEX
// names a bit outright.
BrushTile SolidOnMonochromeBitmap(const DcState& dc, const Surface& destination) {
    if (IsDibIndex(dc.brush.color)) {
        BrushTile tile = EmptyTile(dc, 1, 1);
        tile.pixels[0] = DibIndexPixel(dc.brush.color, destination);
        return tile;
    }
    const Rgb rgb = ResolveRgb(dc.brush.color, dc.palette);
    BrushTile tile = EmptyTile(dc, 8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.pixels[static_cast<std::size_t>(y) * 8 + x] =
                SolidDitherIsWhite(rgb.red, rgb.green, rgb.blue, x, y) ? 1 : 0;
    return tile;
}

BrushTile Solid(const DcState& dc, const Surface& destination) {
    if (destination.IsMonochromeBitmap()) return SolidOnMonochromeBitmap(dc, destination);
    BrushTile tile = EmptyTile(dc, 1, 1);
    tile.pixels[0] = PixelOfColor(dc.brush.color, destination, dc.palette);
    return tile;
}

BrushTile Hatch(const DcState& dc, const Surface& destination) {
    OneBitPair pair{};
    if (destination.format.bitsPerPixel == 1)
        pair = OneBitEntries(dc.brush.color, dc.background, destination, dc.palette);
    else
        pair = {PixelOfColor(dc.brush.color, destination, dc.palette),
                PixelOfColor(dc.background, destination, dc.palette)};
    BrushTile tile = EmptyTile(dc, 8, 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * 8 + x;
            const bool line = IsHatchLine(dc.brush.hatchStyle, x, y);
            tile.pixels[i] = line ? pair.color : pair.background;
            tile.drawn[i] = line || dc.bkMode == BkMode::Opaque;
        }
    }
    return tile;
}

// 0 bits in the DC's text colour, 1 bits in its background colour; on a monochrome bitmap the
// bits themselves.
BrushTile MonochromePattern(const DcState& dc, const Surface& destination) {
    const Surface& bitmap = *dc.brush.pattern;
    BrushTile tile = EmptyTile(dc, bitmap.width, bitmap.height);
    const std::uint32_t colors[2] = {PixelOfColor(dc.text, destination, dc.palette),
                                     PixelOfColor(dc.background, destination, dc.palette)};
    for (int y = 0; y < bitmap.height; ++y) {
        std::uint32_t* row = tile.pixels.data() + static_cast<std::size_t>(y) * bitmap.width;
        ReadPixels(bitmap, 0, y, bitmap.width, row);
        if (destination.IsMonochromeBitmap()) continue;
        for (int x = 0; x < bitmap.width; ++x) row[x] = colors[row[x] & 1];
    }
    return tile;
}

BrushTile DibPattern(const DcState& dc, const Surface& destination) {
    const Surface& bitmap = *dc.brush.pattern;
    BrushTile tile = EmptyTile(dc, bitmap.width, bitmap.height);
    const DibPatternPixels convert(dc.brush, dc.palette, destination);
    for (int y = 0; y < bitmap.height; ++y) {
        std::uint32_t* row = tile.pixels.data() + static_cast<std::size_t>(y) * bitmap.width;
        ReadPixels(bitmap, 0, y, bitmap.width, row);
        for (int x = 0; x < bitmap.width; ++x) row[x] = convert(row[x], x, y);
    }
    return tile;
}

}  // namespace

BrushTile MakeBrushTile(const DcState& dc, const Surface& destination) {
    switch (dc.brush.kind) {
        case BrushKind::Null: {
            BrushTile tile = EmptyTile(dc, 1, 1);
            tile.drawn[0] = 0;
            return tile;
        }
        case BrushKind::Solid:
            return Solid(dc, destination);
        case BrushKind::Hatch:
            return Hatch(dc, destination);
        case BrushKind::MonochromePattern:
            return MonochromePattern(dc, destination);
        case BrushKind::DibPattern:
            return DibPattern(dc, destination);
    }
    return EmptyTile(dc, 1, 1);
}
