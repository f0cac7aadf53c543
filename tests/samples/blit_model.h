#pragma once

#include <cstdint>
#include <string>

#include "sample_mask.h"
#include "test_panel.h"

// What a blit must make of every destination pixel, worked out apart from GDI: the source pixel
// converted to the destination's kind (colour to black and white: 1 where it equals the source
// panel's background colour; black and white to colour: 1 gives the destination panel's
// background colour, 0 its text colour), the destination panel's brush at that pixel as P, and
// each bit from the operation index's bit 4P + 2S + D.
std::uint32_t ModelBits(std::uint8_t index, std::uint32_t p, std::uint32_t s, std::uint32_t d,
                        int width);

struct BlitCheck {
    size_t compared = 0;
    size_t mismatches = 0;
    std::string firstMismatch;
    bool sourceChanged = false;
};

// Runs BltSample from panels[nSrcPanel] onto the other panel and compares every destination pixel
// with the model. A black-and-white destination needs a black or white pattern colour: how GDI
// reduces any other colour to one bit is its own affair.
BlitCheck BlitAndCompare(TestPanel (&panels)[2], int nSrcPanel, DWORD rop);

// The same for MaskBltSample with the quaternary code: where the mask's bit is 1 the model takes
// the code's foreground operation, where it is 0 its background one, as rop/ states them.
BlitCheck MaskBltAndCompare(TestPanel (&panels)[2], int nSrcPanel, SampleMask& mask, DWORD rop4);
