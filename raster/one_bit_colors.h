#pragma once

#include <cstdint>
#include <vector>

#include "color_ref.h"
#include "surface.h"

// The two pixels a hatch draws with on a 1-bit destination (a DIB of two colours or a
// monochrome bitmap).
struct OneBitPair {
    std::uint32_t color;       // the line
    std::uint32_t background;  // the gap
};

// GDI keeps a hatch's line apart from its gap on a 1-bit destination rather than matching
// either to the nearer colour: a colour equal to one of the two table colours takes that entry;
// any other colour takes the entry the background does not take, unless it is the background
// colour itself. The background, when it is neither table colour, takes the entry the line
// does not take if the line is a table colour, else the nearer one.
OneBitPair OneBitEntries(ColorRef color, ColorRef background, const Surface& destination,
                         const std::vector<Rgb>& palette);
