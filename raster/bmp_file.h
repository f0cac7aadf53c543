#pragma once

#include <cstdint>
#include <vector>

#include "surface.h"

// A .bmp file of a surface that any viewer opens: rows bottom-up and padded to 4 bytes whatever
// the surface's own layout (a monochrome bitmap becomes a 1-bit DIB of black and white), its
// colour table, and BI_BITFIELDS with the masks for 32 bits and other 16-bit layouts than 5-5-5.
std::vector<std::uint8_t> BmpFileBytes(const Surface& surface);
