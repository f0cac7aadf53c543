#pragma once

#include <cstdint>

#include "afxwin.h"
#include "rop_diagram_layout.h"

// Draws the rows of an operation index into the layout's client area: a row whose result is 1
// filled with the highlight colour, one whose result is 0 with the window colour, each outlined
// inside and numbered in the text colour that goes with its fill. System colours only, so
// high-contrast themes are followed. `focusedRow` gets a focus rectangle around its number; 0
// for none.
void DrawRopDiagram(CDC& dc, const RopDiagramLayout& layout, std::uint8_t index, int focusedRow,
                    HFONT font);
