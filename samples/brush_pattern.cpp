#include "brush_pattern.h"

BOOL CreatePatternBrush(CBrush& brush, const BrushPattern& pattern) {
    // A monochrome bitmap's rows are whole 16-bit words: each pattern byte, then a spare one.
    std::uint8_t rows[16] = {};
    for (size_t row = 0; row < pattern.size(); ++row) rows[2 * row] = pattern[row];
    CBitmap bitmap;
    if (!bitmap.CreateBitmap(8, 8, 1, 1, rows)) return FALSE;
    // The brush keeps its own copy of the bitmap, which may go now.
    return brush.Attach(::CreatePatternBrush(bitmap));
}
