#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "brush_pattern.h"

// The pattern editor as a user meets it, for its tests.

std::string Caption(int nPanel);
// What a screen reader is told of a focus cell (row and column counted from 0 here).
std::string CellName(int row, int column, const BrushPattern& pattern);
BrushPattern Toggled(BrushPattern pattern, int row, int column);

struct Outcome {
    INT_PTR result;
    BrushPattern pattern;
    bool driven;
};

// Runs panel nPanel's editor over a window of the test's; `drive` gets it once it is active and
// must end it.
Outcome RunEditor(int nPanel, const BrushPattern& start, std::function<void(HWND)> drive,
                  HWND* ownerSeen = nullptr);

// Dispatches the queue as the dialog's modal loop does, the dialog manager first.
void PumpDialog(HWND dialog);
// Posts each key's press and release to the grid, then pumps as the modal loop does.
void PostKeys(HWND dialog, std::initializer_list<UINT> keys, LPARAM downFlags = 1);
// A cell as a user sees the grid, whatever the code's own arithmetic: eight equal cells across
// the largest square that fits the control, centred.
RECT CellSeen(HWND grid, int row, int column);
// A click (or a double click's second press) at the centre of a cell.
void ClickCell(HWND dialog, int row, int column, UINT message = WM_LBUTTONDOWN);

// The cells' centres as painted: white 1, black 0; any other colour fails the test.
BrushPattern ShownCells(HWND dialog);
// Every pixel of the preview's client area is the pattern's bit there, tiled from its corner.
testing::AssertionResult PreviewShows(HWND dialog, const BrushPattern& pattern);
// Where the grid shows the focus mark's colour.
std::vector<POINT> Highlighted(HWND dialog);
