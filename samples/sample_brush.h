#pragma once

#include <array>

#include "afxwin.h"
#include "brush_pattern.h"

// The brushes a panel offers for P, in the order its list shows them: the six hatch styles are
// GDI's HS_HORIZONTAL to HS_DIAGCROSS in theirs.
enum class BrushStyle {
    Solid,
    Horizontal,
    Vertical,
    ForwardDiagonal,
    BackwardDiagonal,
    Cross,
    DiagonalCross,
    Halftone,
    Custom,
};

constexpr std::array<const char*, 9> kBrushStyleNames = {
    "Solid", "Horizontal",     "Vertical", "Forward diagonal", "Backward diagonal",
    "Cross", "Diagonal cross", "Halftone", "Custom",
};

// A panel's brush: its style, the DC's brush origin for the blit (0 to 7 each way) and the
// panel's own 8 x 8 pattern, which "Custom" draws.
struct SampleBrush {
    BrushStyle m_style = BrushStyle::Solid;
    int m_nOriginX = 0;
    int m_nOriginY = 0;
    BrushPattern m_customPattern = kBrickPattern;
};

// A monochrome pattern brush draws with the DC's colours (0 bits the text colour, 1 bits the
// background colour), so the pattern colour does not apply to it.
constexpr bool TakesDcColors(BrushStyle style) {
    return style == BrushStyle::Halftone || style == BrushStyle::Custom;
}

// The brush's 8 x 8 cell: 1 where a hatch has its gap or a monochrome pattern its 1 bits (the
// background colour there), 0 for its lines or 0 bits; all 0 for a solid brush. Which pixels of a
// hatch are line is GDI's own design, so it is read from GDI (once per style).
BrushPattern BrushCell(const SampleBrush& sample);

// The brush of this style: solid and hatched in the pattern colour (a hatch's gaps take the DC's
// background colour when it draws), the halftone and the custom pattern monochrome. FALSE, the
// brush empty, when GDI refuses.
BOOL CreateSampleBrush(CBrush& brush, const SampleBrush& sample, COLORREF pattern);
