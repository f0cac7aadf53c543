#pragma once

// The scenes the model is held to GDI with, each named by what it varies. Made here, portably,
// so the same scenes are played on Wine's GDI (the sweep) and timed natively (the benchmark).

#include <string>
#include <vector>

struct SweepScene {
    std::string name;
    std::string json;
};

// All 256 codes on every format: one row a code, its eight pixels the eight rows of the truth
// table (P, S and D laid out as F0, CC and AA), P from a monochrome pattern in the DC's colours.
std::vector<SweepScene> AllCodeScenes();

// Every kind of brush on every format, at brush origins negative and past the pattern's size,
// on rectangles off the 8-pixel grid.
std::vector<SweepScene> BrushScenes();

// Every format onto every other, with the source DC's background present in the source.
std::vector<SweepScene> ConversionScenes();

// Text and background colours as RGB, PALETTEINDEX and DIBINDEX, for a monochrome source and a
// hatch, with the default palette and one of the scene's own.
std::vector<SweepScene> ColorScenes();

// MaskBlt with offsets into the source and the mask, with a brush that needs neither the DC's
// colours nor its origin.
std::vector<SweepScene> MaskScenes();

// The return values of the three blits and of set, failures included.
std::vector<SweepScene> ReturnScenes();

// All of the above.
std::vector<SweepScene> AllSweepScenes();
