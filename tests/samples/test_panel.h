#pragma once

#include <vector>

#include "sample_panel.h"

// One panel as the main window keeps it.
using TestPanel = SamplePanel;

// Makes the panel panel nPanel's picture anew, of this size and mode, through CreateSampleBitmap.
void MakePanel(TestPanel& panel, int nPanel, SIZE size, bool mono);

// Pixels row by row from the top, as COLORREF 0x00BBGGRR; a black-and-white bitmap reads as
// black 0x000000 and white 0xFFFFFF.
using Pixels = std::vector<COLORREF>;

Pixels ReadPixels(HBITMAP bitmap, SIZE size);
void WritePixels(HBITMAP bitmap, SIZE size, const Pixels& pixels);
Pixels ReadPanel(const TestPanel& panel);
void WritePanel(TestPanel& panel, const Pixels& pixels);
// What a window's client area shows on the screen.
Pixels ReadWindowClient(HWND window, SIZE* size);
// The same after a forced paint: what the window shows now.
Pixels Shown(HWND window);

// The pixels of a picture of this size with `rect` painted in `color`.
Pixels Painted(Pixels pixels, SIZE size, const RECT& rect, COLORREF color);

// A colour bitmap in its own memory DC, filled with one colour: something to draw into.
struct DrawTarget {
    DrawTarget(SIZE size, COLORREF fill);
    Pixels Read() const { return ReadPixels(bitmap, size); }
    void Fill(COLORREF color);

    SIZE size;
    CBitmap bitmap;
    CDC dc;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Colours of the two panels chosen so that every conversion shows which DC it used: no two
// panels share a background or text colour, and no pattern is white.
constexpr COLORREF kPatterns[2] = {RGB(0xC6, 0x9A, 0x35), RGB(0x39, 0x5A, 0xC6)};
constexpr COLORREF kBkColors[2] = {RGB(0xC0, 0x80, 0x40), RGB(0x3C, 0xF0, 0x00)};
constexpr COLORREF kTextColors[2] = {RGB(0x56, 0x34, 0x12), RGB(0x70, 0x1E, 0x9C)};
