#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "color_ref.h"
#include "surface.h"

enum class BrushKind { Null, Solid, Hatch, MonochromePattern, DibPattern };

// A logical brush as the Create*Brush functions make it. A pattern keeps the bitmap as it was
// when the brush was made (GDI copies it); a monochrome bitmap's colours are the drawing DC's.
struct Brush {
    BrushKind kind = BrushKind::Solid;
    ColorRef color = 0xFFFFFF;  // Solid and Hatch
    int hatchStyle = 0;         // Hatch: HS_HORIZONTAL (0) to HS_DIAGCROSS (5)
    std::shared_ptr<const Surface> pattern;
    // A DIB pattern of DIB_PAL_COLORS: its table as entries of the drawing DC's palette.
    std::optional<std::vector<std::uint16_t>> paletteIndices;
};

Brush MakeSolidBrush(ColorRef color);
Brush MakeNullBrush();

// CreateHatchBrush: styles 6 to 11 give a solid brush, as GDI does; any other style outside
// 0 to 5 is refused.
std::optional<Brush> MakeHatchBrush(int style, ColorRef color);

// CreatePatternBrush: a monochrome bitmap's bits take the DC's colours, a DIB section keeps
// its own colour table.
Brush MakePatternBrush(const Surface& bitmap);

// CreateDIBPatternBrushPt of a DIB: with DIB_RGB_COLORS its own table, with DIB_PAL_COLORS the
// given indices into the palette of the DC it draws on.
Brush MakeDibPatternBrush(const Surface& dib, std::optional<std::vector<std::uint16_t>> indices);
