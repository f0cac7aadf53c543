#include <gtest/gtest.h>

#include <cstdio>

#include "blit_model.h"
#include "rop_truth_table.h"
#include "test_panel.h"

namespace {

constexpr SIZE kSize{19, 11};  // not a multiple of 8 either way, so the pattern's edges show

// A custom pattern with no symmetry: a moved or mirrored pattern cannot pass for it.
constexpr BrushPattern kLopsided = {0x80, 0x41, 0x22, 0x14, 0x0C, 0xF2, 0x01, 0x3B};

bool UsesPattern(std::uint8_t index) { return ((index >> 4) ^ index) & 0x0F; }

Pixels Checks(std::uint32_t seed, bool mono) {
    Pixels pixels(static_cast<size_t>(kSize.cx * kSize.cy));
    for (size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t value = (static_cast<std::uint32_t>(i) * 2654435761u) ^ seed;
        pixels[i] = mono ? ((value >> 7) & 1 ? kWhite : kBlack) : (value & 0xFFFFFF);
    }
    return pixels;
}

// Every brush at both extremes of the origin, every code that reads P, onto colour and onto
// black and white, against the model with P taken pixel by pixel from the brush. (The hatches'
// cells are read from GDI once by the model: which pixels are line is GDI's design.)
TEST(BrushSweep, EveryStyleAndOriginMatchesTheModelForEveryCodeThatUsesP) {
    size_t blits = 0, mismatches = 0;
    for (const bool mono : {false, true}) {
        TestPanel panels[2];
        MakePanel(panels[0], 0, kSize, false);
        MakePanel(panels[1], 1, kSize, mono);
        TestPanel& destination = panels[1];
        // On black and white, only black and white: how GDI reduces another colour to a bit is
        // its own affair.
        destination.m_crPattern = mono ? kBlack : RGB(0x39, 0x5A, 0xC6);
        destination.m_crBk = mono ? kWhite : RGB(0x3C, 0xF0, 0x00);
        destination.m_crText = mono ? kBlack : RGB(0x70, 0x1E, 0x9C);
        destination.m_brush.m_customPattern = kLopsided;
        const Pixels source = Checks(0x1234, false), start = Checks(0x5678, mono);
        for (size_t style = 0; style < kBrushStyleNames.size(); ++style) {
            for (const int origin : {0, 7}) {
                SCOPED_TRACE(::testing::Message() << kBrushStyleNames[style] << " at " << origin
                                                  << (mono ? " onto b/w" : " onto colour"));
                destination.m_brush.m_style = static_cast<BrushStyle>(style);
                destination.m_brush.m_nOriginX = origin;
                destination.m_brush.m_nOriginY = 7 - origin;  // X and Y apart: a swap shows
                for (int index = 0; index < 256; ++index) {
                    if (!UsesPattern(static_cast<std::uint8_t>(index))) continue;
                    WritePanel(panels[0], source);
                    WritePanel(destination, start);
                    const BlitCheck check = BlitAndCompare(
                        panels, 0, RopTruthTable::CodeFromIndex(static_cast<std::uint8_t>(index)));
                    ++blits;
                    mismatches += check.mismatches;
                    EXPECT_EQ(check.mismatches, 0u) << check.firstMismatch;
                }
            }
        }
    }
    std::printf("brush sweep: %zu blits, %zu mismatches\n", blits, mismatches);
    EXPECT_EQ(blits, 2u * 9 * 2 * 240);
}

}  // namespace
