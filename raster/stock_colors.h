#pragma once

#include <vector>

#include "color_ref.h"

// The stock palette every DC starts with: 20 entries, the 16 VGA colours and the four that
// Windows reserves (money green, sky blue, cream, medium grey).
const std::vector<Rgb>& DefaultPalette();

// A colour table a scene need not spell out: black and white for 1 bit, the 16 VGA colours in
// the order of the 16-colour display for 4.
const std::vector<Rgb>& DefaultOneBitColors();
const std::vector<Rgb>& DefaultFourBitColors();

// What the bits of a monochrome bitmap stand for: 0 black, 1 white.
const std::vector<Rgb>& MonochromeBitmapColors();
