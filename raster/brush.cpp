#include "brush.h"

namespace {

constexpr int kHatchStyles = 6;
// CreateHatchBrush takes styles up to HS_API_MAX - 1; the ones past HS_DIAGCROSS draw solid.
constexpr int kHatchStyleLimit = 12;

}  // namespace

Brush MakeSolidBrush(ColorRef color) {
    Brush brush;
    brush.kind = BrushKind::Solid;
    brush.color = color;
    return brush;
}

Brush MakeNullBrush() {
    Brush brush;
    brush.kind = BrushKind::Null;
    return brush;
}

std::optional<Brush> MakeHatchBrush(int style, ColorRef color) {
    if (style < 0 || style >= kHatchStyleLimit) return std::nullopt;
    if (style >= kHatchStyles) return MakeSolidBrush(color);
    Brush brush;
    brush.kind = BrushKind::Hatch;
    brush.color = color;
    brush.hatchStyle = style;
    return brush;
}

Brush MakePatternBrush(const Surface& bitmap) {
    Brush brush;
    brush.kind = bitmap.IsMonochromeBitmap() ? BrushKind::MonochromePattern : BrushKind::DibPattern;
    brush.pattern = std::make_shared<const Surface>(bitmap);
    return brush;
}

Brush MakeDibPatternBrush(const Surface& dib, std::optional<std::vector<std::uint16_t>> indices) {
    Brush brush;
    brush.kind = BrushKind::DibPattern;
    brush.pattern = std::make_shared<const Surface>(dib);
    brush.paletteIndices = std::move(indices);
    return brush;
}
