#pragma once

#include <cstdint>
#include <vector>

#include "brush_tile.h"
#include "packed_span.h"

// A brush tile laid out along one blit's span, each of its rows packed once and kept (unless
// the tile is too tall for that to pay), where the brush draws as whole pixels of ones.
class BrushRows {
public:
    BrushRows(const BrushTile& tile, const PackedSpan& span, std::int64_t left);

    struct Row {
        const std::uint8_t* pattern;
        const std::uint8_t* drawn;  // null where the brush draws every pixel
    };
    Row At(std::int64_t y);

private:
    void Make(int tileRow, std::uint8_t* pattern, std::uint8_t* drawn);

    const BrushTile& m_tile;
    const PackedSpan& m_span;
    std::int64_t m_left;
    bool m_drawsEverywhere;
    bool m_keepsRows;
    std::vector<std::uint8_t> m_patterns;  // a row of span bytes for each tile row
    std::vector<std::uint8_t> m_drawn;
    std::vector<std::uint8_t> m_made;  // which rows are made
    std::vector<std::uint32_t> m_values;
};
