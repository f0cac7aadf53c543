#pragma once

#include <cstdint>
#include <vector>

#include "brush.h"
#include "surface.h"

// How a DIB pattern brush's stored pixels become the destination's, at the moment it draws.
class DibPatternPixels {
public:
    DibPatternPixels(const Brush& brush, const std::vector<Rgb>& palette,
                     const Surface& destination);

    // The pixel at column x, row y of the pattern (row 0 at the top).
    std::uint32_t operator()(std::uint32_t value, int x, int y) const;

private:
    PixelFormat m_format;  // the brush's, its table resolved through the DC's palette
    const Surface& m_destination;
    bool m_keepsValue;  // the destination's format: the value goes as it is, spare bits too
};
