#pragma once

#include "afxwin.h"

// One sample panel ("Bitmap 1" is index 0, "Bitmap 2" index 1): a view of the main dialog's
// two-element members at one index. The dialog owns the storage; a panel only names it, so it is
// passed by value.
struct SamplePanel {
    BOOL& m_bMono;
    SIZE& m_sizeBitmap;
    CBitmap& m_bitmap;
    CDC& m_dcMem;
    COLORREF& m_crPattern;
    COLORREF& m_crBk;
    COLORREF& m_crText;
};

// The colours a panel starts with and returns to with "Defaults".
constexpr COLORREF kDefaultPatternColor = RGB(255, 255, 255);
constexpr COLORREF kDefaultBkColor = RGB(255, 255, 255);
constexpr COLORREF kDefaultTextColor = RGB(0, 0, 0);

// Replaces the panel's bitmap and memory DC with new ones, black and white when m_bMono is set,
// else in the screen's format, of m_sizeBitmap, and draws the default picture. A bitmap or DC
// that cannot be made leaves the panel with neither and gives FALSE; nothing is reported.
// Raises CResourceException when there is no screen DC or DrawDefaultPicture raises it.
BOOL CreateSampleBitmap(SamplePanel panel, int nPanel);

// Paints the panel's default picture over its whole bitmap: panel 0 white above black with three
// ellipses side by side, panel 1 white left of black with three stacked ellipses; no ellipses in
// black and white. Raises CResourceException, having drawn nothing, when a brush cannot be made.
void DrawDefaultPicture(SamplePanel panel, int nPanel);

// Copies the panel's bitmap one to one into a picture button's item rectangle, a black-and-white
// bitmap as white 1 bits and black 0 bits. A rectangle larger than the bitmap shows the button
// face right of and below it; a smaller one shows the bitmap's top-left part. Draws nothing for a
// panel without a DC. The owner calls it for ODA_DRAWENTIRE requests of the picture buttons.
void DrawSamplePicture(SamplePanel panel, const DRAWITEMSTRUCT& item);
// The same for any bitmap of this size selected into `source`.
void DrawPictureFrom(CDC& source, SIZE size, const DRAWITEMSTRUCT& item);

// Makes the panel's bitmap anew at `size`, of the same kind, with its picture stretched onto it
// once: a picture made at one scale, kept at another. A bitmap that cannot be made leaves the
// panel as it was and gives FALSE; nothing is reported.
BOOL StretchSampleBitmap(SamplePanel panel, SIZE size);

// "Defaults": the panel's three colours back to their start values; the picture stays.
void ResetSampleColors(SamplePanel panel);

// Blits panel nSrcPanel onto the other one with dwRop, all 32 bits passed on, over the area both
// bitmaps cover (all of it while the two have one size). Each panel's DC
// carries its own background, text and pattern colour, so the destination's pattern is P and the
// panels' colours govern conversions between colour and black and white. Does nothing unless both
// panels have their DC.
void BltSample(SamplePanel panel0, SamplePanel panel1, int nSrcPanel, DWORD dwRop);
