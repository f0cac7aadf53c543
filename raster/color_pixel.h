#pragma once

#include <cstdint>
#include <vector>

#include "color_ref.h"
#include "surface.h"

// The RGB a colour stands for where it draws: PALETTEINDEX(n) is entry n of the DC's palette
// (entry 0 past its end); DIBINDEX has no colour of its own and gives black.
Rgb ResolveRgb(ColorRef color, const std::vector<Rgb>& palette);

// DIBINDEX(n) as a pixel: the raw index n on a surface with a table when n < 2^bpp, pixel 0
// otherwise (on a monochrome bitmap 0 is black, 1 white).
std::uint32_t DibIndexPixel(ColorRef color, const Surface& surface);

// A colour as a pixel of a surface: DIBINDEX as above, any other its nearest table entry or its
// channels in the format's fields (nothing in a 32-bit pixel's spare bits).
std::uint32_t PixelOfColor(ColorRef color, const Surface& surface, const std::vector<Rgb>& palette);
