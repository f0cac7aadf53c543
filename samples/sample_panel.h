#pragma once

#include "afxwin.h"
#include "default_pictures.h"
#include "sample_brush.h"
#include "sample_picture.h"

// The colours a panel starts with and returns to with "Defaults".
constexpr COLORREF kDefaultPatternColor = RGB(255, 255, 255);
constexpr COLORREF kDefaultBkColor = RGB(255, 255, 255);
constexpr COLORREF kDefaultTextColor = RGB(0, 0, 0);

// One sample panel ("Bitmap 1" is index 0, "Bitmap 2" index 1): its black-and-white flag as last
// committed, its pattern, background and text colour, its brush, and its picture.
struct SamplePanel {
    explicit SamplePanel(int nPanel = 0) : m_picture(DrawDefaultSample, nPanel) {}

    BOOL m_bMono = FALSE;
    COLORREF m_crPattern = kDefaultPatternColor;
    COLORREF m_crBk = kDefaultBkColor;
    COLORREF m_crText = kDefaultTextColor;
    SampleBrush m_brush;
    SamplePicture m_picture;
};

// A new picture of this size, black and white when m_bMono is set, else in the screen's format,
// with the panel's default picture (see SamplePicture::Create).
inline BOOL CreateSampleBitmap(SamplePanel& panel, SIZE size) {
    return panel.m_picture.Create(size, panel.m_bMono != FALSE);
}

// "Defaults": the panel's three colours back to their start values, and its brush to Solid at
// origin 0, 0; the picture and the panel's own pattern stay.
void ResetSampleColors(SamplePanel& panel);

// Blits the source panel onto the destination with dwRop, all 32 bits passed on, over the area
// both pictures cover (all of it while the two have one size). Each panel's DC carries its own
// background and text colour and its brush at its origin, so the destination's brush is P and the
// panels' colours govern conversions between colour and black and white. FALSE, the destination as
// it was, when a panel has no picture or GDI refuses the blit; a destination that was drawn on is
// the user's.
BOOL BltSample(SamplePanel& source, SamplePanel& destination, DWORD dwRop);
