#include "sample_brush.h"

BOOL CreateSampleBrush(CBrush& brush, const SampleBrush& sample, COLORREF pattern) {
    switch (sample.m_style) {
        case BrushStyle::Solid:
            return brush.CreateSolidBrush(pattern);
        case BrushStyle::Halftone:
            return CreatePatternBrush(brush, kHalftonePattern);
        case BrushStyle::Custom:
            return CreatePatternBrush(brush, sample.m_customPattern);
        default:
            break;
    }
    const int hatch =
        HS_HORIZONTAL + static_cast<int>(sample.m_style) - static_cast<int>(BrushStyle::Horizontal);
    return brush.Attach(::CreateHatchBrush(hatch, pattern));
}

namespace {

BrushPattern HatchCell(BrushStyle style) {
    SampleBrush hatch;
    hatch.m_style = style;
    CBrush brush;
    CBitmap cell;
    BrushPattern pattern{};
    if (!CreateSampleBrush(brush, hatch, RGB(0, 0, 0)) || !cell.CreateBitmap(8, 8, 1, 1, nullptr))
        return pattern;
    {
        CBitmapDC dc(cell);
        if (!dc.Ready()) return pattern;
        CSavedDCState saved(dc.Get());
        dc.Get().SetBkColor(RGB(255, 255, 255));
        dc.Get().SetTextColor(RGB(0, 0, 0));
        dc.Get().SelectObject(brush);
        dc.Get().PatBlt(0, 0, 8, 8, PATCOPY);
    }
    std::uint8_t rows[16] = {};
    if (::GetBitmapBits(cell, sizeof rows, rows) != sizeof rows) return pattern;
    for (size_t row = 0; row < pattern.size(); ++row) pattern[row] = rows[2 * row];
    return pattern;
}

}  // namespace

BrushPattern BrushCell(const SampleBrush& sample) {
    switch (sample.m_style) {
        case BrushStyle::Solid:
            return BrushPattern{};
        case BrushStyle::Halftone:
            return kHalftonePattern;
        case BrushStyle::Custom:
            return sample.m_customPattern;
        default:
            break;
    }
    static BrushPattern cells[kBrushStyleNames.size()];
    static bool read[kBrushStyleNames.size()] = {};
    const auto style = static_cast<size_t>(sample.m_style);
    if (!read[style]) {
        cells[style] = HatchCell(sample.m_style);
        read[style] = true;
    }
    return cells[style];
}
