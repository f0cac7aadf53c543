#pragma once

#include <cstdint>
#include <vector>

#include "dc_state.h"
#include "surface.h"

// A brush made ready to draw on one destination: a tile of destination pixel values, repeated
// from the DC's brush origin, and where it draws at all. A transparent hatch's gaps and a null
// brush leave the destination as it is wherever the code reads the brush.
struct BrushTile {
    int width = 1;
    int height = 1;
    std::vector<std::uint32_t> pixels;  // row 0 at the top
    std::vector<std::uint8_t> drawn;    // 1 where the brush draws
    std::int64_t originX = 0;
    std::int64_t originY = 0;

    // The tile's column and row under destination pixel (x, y): (x - origin.x) mod width.
    int Column(std::int64_t x) const { return Reduce(x - originX, width); }
    int Row(std::int64_t y) const { return Reduce(y - originY, height); }

private:
    static int Reduce(std::int64_t v, int period) {
        return static_cast<int>(((v % period) + period) % period);
    }
};

// The DC's brush as it draws now: its colours, the DC's text and background colours and
// palette, all as pixels of the destination.
BrushTile MakeBrushTile(const DcState& dc, const Surface& destination);
