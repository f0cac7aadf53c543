#pragma once

#include <windows.h>

// Where the cells of an 8 x 8 pattern grid lie in a client area: the largest square that fits,
// centred, cut into 8 x 8 equal cells with grid lines between and around them. Cells grow with
// the control, so at any scale they are as easy to hit as the template makes the control.
class PatternGridLayout {
public:
    explicit PatternGridLayout(SIZE client);

    // The square the cells and lines cover.
    RECT Grid() const;
    // Cell (row, column), counted from 0, without the lines around it.
    RECT Cell(int row, int column) const;
    // The cell under a point of the client area (a line counts as the cell to its right or
    // below); false outside the grid or when the area is too small for cells.
    bool CellAt(POINT point, int* row, int* column) const;

private:
    int m_left = 0;
    int m_top = 0;
    int m_line = 1;
    int m_pitch = 0;
};
