#include "brush_rows.h"

#include <algorithm>

namespace {

// Beyond this, a tall pattern's rows are made again for every row of the blit.
constexpr std::size_t kKeptBytes = std::size_t{8} << 20;

}  // namespace

BrushRows::BrushRows(const BrushTile& tile, const PackedSpan& span, std::int64_t left)
    : m_tile(tile),
      m_span(span),
      m_left(left),
      m_drawsEverywhere(
          std::all_of(tile.drawn.begin(), tile.drawn.end(), [](std::uint8_t d) { return d != 0; })),
      m_keepsRows(static_cast<std::size_t>(tile.height) * span.Bytes() <= kKeptBytes),
      m_values(static_cast<std::size_t>(span.Pixels())) {
    const std::size_t rows = m_keepsRows ? static_cast<std::size_t>(tile.height) : 1;
    m_patterns.assign(rows * span.Bytes(), 0);
    if (!m_drawsEverywhere) m_drawn.assign(rows * span.Bytes(), 0);
    m_made.assign(rows, 0);
}

void BrushRows::Make(int tileRow, std::uint8_t* pattern, std::uint8_t* drawn) {
    const std::size_t base = static_cast<std::size_t>(tileRow) * m_tile.width;
    int column = m_tile.Column(m_left);
    for (std::uint32_t& value : m_values) {
        value = m_tile.pixels[base + column];
        if (++column == m_tile.width) column = 0;
    }
    m_span.Pack(m_values.data(), pattern);
    if (m_drawsEverywhere) return;
    const std::uint32_t all = PixelValueMask(m_span.BitsPerPixel());
    column = m_tile.Column(m_left);
    for (std::uint32_t& value : m_values) {
        value = m_tile.drawn[base + column] ? all : 0;
        if (++column == m_tile.width) column = 0;
    }
    m_span.Pack(m_values.data(), drawn);
}

BrushRows::Row BrushRows::At(std::int64_t y) {
    const int tileRow = m_tile.Row(y);
    const std::size_t slot = m_keepsRows ? static_cast<std::size_t>(tileRow) : 0;
    std::uint8_t* pattern = m_patterns.data() + slot * m_span.Bytes();
    std::uint8_t* drawn = m_drawsEverywhere ? nullptr : m_drawn.data() + slot * m_span.Bytes();
    if (!m_keepsRows || !m_made[slot]) {
        Make(tileRow, pattern, drawn);
        m_made[slot] = 1;
    }
    return {pattern, drawn};
}
