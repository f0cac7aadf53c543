#pragma once

// One row of a bitmap that ReadDibHeader accepted, as pixels 0xAARRGGBB.

#include <cstdint>

#include "dib_header.h"

// Row `row` counted from the top, `layout.width` pixels into `out`. A pixel without alpha gets
// 255; a palette index past the colour table reads as opaque black. The block must be the one
// the layout was read from.
void DecodeDibRow(const std::uint8_t* block, const DibLayout& layout, std::int32_t row,
                  std::uint32_t* out);
