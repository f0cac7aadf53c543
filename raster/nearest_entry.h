#pragma once

#include <cstdint>
#include <vector>

#include "color_ref.h"

// The entry of a colour table nearest a colour: the least Euclidean distance in RGB, the first
// of equals. An empty table gives 0.
std::uint32_t NearestEntry(const std::vector<Rgb>& table, Rgb color);

// What a pixel of a 16, 24 or 32-bit source or brush becomes before it is matched to a 4 or
// 8-bit table: each channel cut to (c & ~7) + 4, the middle of its 5-bit step.
Rgb CutToFiveBitMiddle(Rgb color);
