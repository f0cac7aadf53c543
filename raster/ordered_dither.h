#pragma once

// The two ordered dithers GDI draws colour with on a 1-bit destination. (x, y) are already
// phased: the destination's pixel less the brush origin for a solid brush, the pattern's own
// pixel for a colour pattern; both are reduced here.

// A solid brush on a monochrome bitmap: white where B8[y mod 8][x mod 8] is below
// (30 R + 59 G + 11 B + 200) / 400.
bool SolidDitherIsWhite(int red, int green, int blue, int x, int y);

// A colour pattern on a 1-bit destination: with L = (30 R + 59 G + 11 B) / 100, white where
// 256 L + 255 B16[y mod 16][x mod 16] > 65025, B16 being four times B8 plus 0, 2, 3, 1 by
// quadrant.
bool PatternDitherIsWhite(int red, int green, int blue, int x, int y);
