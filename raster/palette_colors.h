#pragma once

#include <cstdint>
#include <vector>

#include "color_ref.h"

// A DIB_PAL_COLORS table as colours: entry i is the palette's entry indices[i]. An index past
// the palette's end wraps around the shorter of the palette and the table.
std::vector<Rgb> PaletteColorsTable(const std::vector<std::uint16_t>& indices,
                                    const std::vector<Rgb>& palette);
