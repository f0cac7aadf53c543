#pragma once

// Whether pixel (x, y) of a hatch style's 8 x 8 cell (row 0 at the top, column 0 at the left)
// lies on a line: HS_HORIZONTAL row 3, HS_VERTICAL column 4, HS_FDIAGONAL row r column r (a
// "\"), HS_BDIAGONAL row r column 7 - r (a "/"), HS_CROSS both of the first two, HS_DIAGCROSS
// both diagonals.
bool IsHatchLine(int style, int x, int y);
