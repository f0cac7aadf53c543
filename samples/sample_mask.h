#pragma once

#include "afxwin.h"
#include "sample_panel.h"

// MaskBlt's mask: a monochrome bitmap of the sample pictures' size, bit 1 where the foreground
// operation applies, 0 where the background one does. It is never kept selected into a device
// context, since MaskBlt selects it into one of its own; each drawing selects it for its time.
class SampleMask {
public:
    // A new bitmap of this size with the default mask: a disc of 1 bits on 0. FALSE, with no
    // mask at all, when the bitmap cannot be made.
    BOOL Create(SIZE size);
    // "Clear": the default mask again.
    void DrawDefault();
    // "Invert": every bit flipped.
    void Invert();
    // "From 1": GDI's own colour-to-monochrome conversion of the panel, 1 where a pixel equals the
    // panel's background colour and 0 elsewhere (a black-and-white panel is copied as it is).
    void TakeFrom(SamplePanel panel);
    // At a new scale: the default mask drawn anew at this size, any other stretched to it once.
    BOOL Rescale(SIZE size);
    // Into a picture button, pixel for pixel, 1 bits white and 0 bits black.
    void Draw(const DRAWITEMSTRUCT& item) const;

    HBITMAP Handle() const { return m_bitmap; }
    SIZE Size() const { return m_size; }

private:
    CBitmap m_bitmap;
    SIZE m_size{};
    bool m_bDefault = true;
};

// MaskBltSample: like BltSample, with MaskBlt, the mask and a quaternary code (MAKEROP4) whose
// foreground applies where the mask's bit is 1 and background where it is 0. Covers the area the
// two panels and the mask have in common. Does nothing without a mask or a panel's DC.
void MaskBltSample(SamplePanel panel0, SamplePanel panel1, int nSrcPanel, const SampleMask& mask,
                   DWORD rop4);
