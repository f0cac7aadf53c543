#include "pattern_grid_layout.h"

#include <algorithm>

namespace {

constexpr int kCells = 8;
// One pixel of line for every 128 of grid, so lines stay visible at high scales.
constexpr int kGridPerLinePixel = 128;

}  // namespace

PatternGridLayout::PatternGridLayout(SIZE client) {
    const int side = std::max(0, static_cast<int>(std::min(client.cx, client.cy)));
    m_line = std::max(1, side / kGridPerLinePixel);
    m_pitch = std::max(0, (side - m_line) / kCells);
    const int used = kCells * m_pitch + m_line;
    m_left = (static_cast<int>(client.cx) - used) / 2;
    m_top = (static_cast<int>(client.cy) - used) / 2;
}

RECT PatternGridLayout::Grid() const {
    const int used = kCells * m_pitch + m_line;
    return {m_left, m_top, m_left + used, m_top + used};
}

RECT PatternGridLayout::Cell(int row, int column) const {
    const int left = m_left + column * m_pitch + m_line;
    const int top = m_top + row * m_pitch + m_line;
    return {left, top, left + m_pitch - m_line, top + m_pitch - m_line};
}

bool PatternGridLayout::CellAt(POINT point, int* row, int* column) const {
    if (m_pitch <= m_line) return false;
    const RECT grid = Grid();
    if (!::PtInRect(&grid, point)) return false;
    *column = std::min(kCells - 1, static_cast<int>(point.x - m_left) / m_pitch);
    *row = std::min(kCells - 1, static_cast<int>(point.y - m_top) / m_pitch);
    return true;
}
