#pragma once

#include <array>
#include <cstdint>

#include "afxwin.h"

// An 8 x 8 monochrome brush pattern: row 0 first, the most significant bit the leftmost pixel.
// Drawn with a DC's colours: 0 bits in its text colour, 1 bits in its background colour.
using BrushPattern = std::array<std::uint8_t, 8>;

// The 50 % halftone: pixel (x, y) is 1 where x + y is odd.
constexpr BrushPattern kHalftonePattern = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
// What a panel's own pattern starts as: bricks.
constexpr BrushPattern kBrickPattern = {0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08};

// Pixel (x, y) of the pattern, x and y taken modulo 8.
inline bool PatternBit(const BrushPattern& pattern, int x, int y) {
    return (pattern[static_cast<size_t>(y & 7)] >> (7 - (x & 7))) & 1;
}

// A monochrome pattern brush of the pattern; FALSE, the brush empty, when GDI refuses.
BOOL CreatePatternBrush(CBrush& brush, const BrushPattern& pattern);
