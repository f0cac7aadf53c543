#pragma once

// The generated cases that hold a GDI to the model, each named by what it varies
// ("brush.hatch-cross-opaque.24bit.origin=-3,-13"). Portable, so the same scenes are played on
// a real GDI (velmar-conform), read back from recordings (velmar-rop --compare) and timed
// natively (the benchmark). Nothing is left out for a GDI that does otherwise: where Wine's
// does, the case is named in tools/velmar-conform/wine-differences.txt.

#include <vector>

#include "conformance_case.h"

// All 256 codes on every format: one row a code, its eight pixels the eight rows of the truth
// table (P, S and D laid out as F0, CC and AA, as the scene's "operands" say), P from a
// monochrome pattern in the DC's colours.
std::vector<ConformanceCase> AllCodeScenes();

// Every kind of brush on every format, at brush origins negative and past the pattern's size,
// on rectangles off the 8-pixel grid.
std::vector<ConformanceCase> BrushScenes();

// Every format onto every other, with the source DC's background present in the source; whole
// rows; every format onto itself, overlapping.
std::vector<ConformanceCase> ConversionScenes();

// Text and background colours as RGB, PALETTEINDEX and DIBINDEX, for a monochrome source and a
// hatch, with the default palette and one of the scene's own; DIB_PAL_COLORS patterns; the
// colours of a hatch's line and gap on 1-bit destinations.
std::vector<ConformanceCase> ColorScenes();

// MaskBlt with offsets into the source and the mask on every format, with brushes that read
// the DC's colours and origin, and with a 1-bit DIB as the mask.
std::vector<ConformanceCase> MaskScenes();

// The return values of the three blits and of set, and each failure as a case of its own (its
// GetLastError is recorded).
std::vector<ConformanceCase> ReturnScenes();

// All of the above.
std::vector<ConformanceCase> AllSweepScenes();
