#pragma once

#include "afxwin.h"
#include "sample_panel.h"

// MaskBlt's mask: a black-and-white picture of the samples' size, bit 1 where the foreground
// operation applies, 0 where the background one does. Its default is a disc of 1 bits on 0.
class SampleMask : public SamplePicture {
public:
    SampleMask() : SamplePicture(DrawDefaultMask, 0) {}

    // A new mask of this size with the default disc (see SamplePicture::Create).
    BOOL Create(SIZE size) { return SamplePicture::Create(size, true); }
    // "Invert": every bit flipped. FALSE, the mask as it was, when GDI refuses.
    BOOL Invert();
    // "From 1": GDI's own colour-to-monochrome conversion of the panel, 1 where a pixel equals the
    // panel's background colour and 0 elsewhere (a black-and-white panel is copied as it is).
    // FALSE, the mask as it was, when either has no picture or GDI refuses.
    BOOL TakeFrom(SamplePanel& panel);
};

// The mask as an ordinary source: BitBlt of it onto the panel with the panel's colours and brush,
// so its 1 bits take the destination's background colour and its 0 bits its text colour (onto
// black and white, the bits as they are). Covers the area both have; FALSE, the destination as it
// was, without a picture or when GDI refuses; a destination drawn on is the user's.
BOOL BltMaskSample(SampleMask& mask, SamplePanel& destination, DWORD dwRop);

// Like BltSample, with MaskBlt, the mask and a quaternary code (MAKEROP4) whose foreground applies
// where the mask's bit is 1 and background where it is 0. Covers the area the two panels and the
// mask have in common. FALSE, the destination as it was, without a mask or a panel's picture, or
// when GDI refuses.
BOOL MaskBltSample(SamplePanel& source, SamplePanel& destination, SampleMask& mask, DWORD rop4);
