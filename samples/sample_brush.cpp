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
