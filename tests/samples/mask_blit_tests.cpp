#include <gtest/gtest.h>

#include <cstdio>

#include "blit_model.h"
#include "rop_quaternary.h"
#include "rop_truth_table.h"
#include "sample_mask.h"
#include "test_panel.h"

namespace {

constexpr SIZE kMaskBlitSize{16, 8};

// Pixels of every kind a conversion tells apart: the panel's background colour, colours near
// it, the other colours in play, black and white; on black and white a pattern of both.
Pixels StartPicture(const TestPanel& panel, int nPanel) {
    Pixels pixels(static_cast<size_t>(kMaskBlitSize.cx * kMaskBlitSize.cy));
    for (size_t i = 0; i < pixels.size(); ++i) {
        const COLORREF kinds[] = {kBkColors[nPanel],
                                  kBkColors[nPanel] ^ (1u << (i % 24)),
                                  kTextColors[1 - nPanel],
                                  kWhite,
                                  kBlack,
                                  static_cast<COLORREF>((i * 0x9E3779B1u) & 0xFFFFFF)};
        pixels[i] = panel.m_bMono ? ((i * 7 + i / 5) % 3 ? kWhite : kBlack) : kinds[i * 5 % 6];
    }
    return pixels;
}

// A mask with 1 and 0 bits spread over the picture: taken from a picture of the panel's
// background colour and others, as "From 1" takes it.
SampleMask SpreadMask() {
    TestPanel picture;
    MakePanel(picture, 0, kMaskBlitSize, false);
    picture.m_crBk = kBkColors[0];
    Pixels pixels(static_cast<size_t>(kMaskBlitSize.cx * kMaskBlitSize.cy), kWhite);
    for (size_t i = 0; i < pixels.size(); ++i)
        if ((i * 5 + i / 3) % 2) pixels[i] = kBkColors[0];
    WritePanel(picture, pixels);
    SampleMask mask;
    mask.Create(kMaskBlitSize);
    mask.TakeFrom(picture);
    return mask;
}

// Background operations of every kind: constants, one operand alone, two and all three.
constexpr std::uint8_t kBackgrounds[] = {0x00, 0xAA, 0xCC, 0xF0, 0x55, 0x66, 0xE2, 0xFF};

TEST(MaskBltSweep, EveryForegroundWithASpreadOfBackgroundsMatchesTheQuaternaryModel) {
    SampleMask mask = SpreadMask();
    size_t blits = 0, compared = 0, mismatches = 0;
    for (const bool sourceMono : {false, true}) {
        for (const bool destinationMono : {false, true}) {
            for (const int nSrcPanel : {0, 1}) {
                const int nDst = 1 - nSrcPanel;
                TestPanel panels[2];
                MakePanel(panels[nSrcPanel], nSrcPanel, kMaskBlitSize, sourceMono);
                MakePanel(panels[nDst], nDst, kMaskBlitSize, destinationMono);
                for (const int n : {0, 1}) {
                    panels[n].m_crPattern = kPatterns[n];
                    panels[n].m_crBk = kBkColors[n];
                    panels[n].m_crText = kTextColors[n];
                }
                if (destinationMono) panels[nDst].m_crPattern = kWhite;
                const Pixels start[2] = {StartPicture(panels[0], 0), StartPicture(panels[1], 1)};
                for (int foreground = 0; foreground < 256; ++foreground) {
                    for (const int step : {0, 3}) {
                        const std::uint8_t background = kBackgrounds[(foreground + step) % 8];
                        const DWORD rop4 = MakeRop4(
                            RopTruthTable::CodeFromIndex(static_cast<std::uint8_t>(foreground)),
                            RopTruthTable::CodeFromIndex(background));
                        WritePanel(panels[0], start[0]);
                        WritePanel(panels[1], start[1]);
                        const BlitCheck check = MaskBltAndCompare(panels, nSrcPanel, mask, rop4);
                        ++blits;
                        compared += check.compared;
                        mismatches += check.mismatches;
                        EXPECT_EQ(check.mismatches, 0u)
                            << (sourceMono ? "b/w" : "colour") << " onto "
                            << (destinationMono ? "b/w" : "colour") << ": " << check.firstMismatch;
                        EXPECT_FALSE(check.sourceChanged);
                    }
                }
            }
        }
    }
    std::printf("MaskBlt sweep: %zu blits, %zu pixels compared, %zu mismatches\n", blits, compared,
                mismatches);
}

Pixels MaskPixels(const SampleMask& mask) { return ReadPixels(mask.Bitmap(), mask.Size()); }

TEST(SampleMask, DefaultInvertFromAPanelAndClearPixelForPixel) {
    SampleMask mask;
    ASSERT_TRUE(mask.Create({40, 20}));
    const Pixels disc = MaskPixels(mask);
    // A disc of 15 pixels across, centred: 1 inside, 0 outside, both present.
    EXPECT_EQ(disc[static_cast<size_t>(10 * 40 + 20)], kWhite) << "the centre";
    EXPECT_EQ(disc[0], kBlack) << "a corner";
    EXPECT_EQ(disc[static_cast<size_t>(10 * 40 + 12)], kWhite) << "the disc's left edge";
    EXPECT_EQ(disc[static_cast<size_t>(10 * 40 + 11)], kBlack) << "just left of it";

    mask.Invert();
    const Pixels inverted = MaskPixels(mask);
    for (size_t i = 0; i < disc.size(); ++i)
        ASSERT_EQ(inverted[i], disc[i] == kWhite ? kBlack : kWhite) << "pixel " << i;

    for (const bool mono : {false, true}) {
        TestPanel panel;
        MakePanel(panel, 0, {40, 20}, mono);
        panel.m_crBk = RGB(0, 255, 0);
        const Pixels picture = ReadPanel(panel);
        mask.TakeFrom(panel);
        const Pixels taken = MaskPixels(mask);
        for (size_t i = 0; i < picture.size(); ++i) {
            const bool one = mono ? picture[i] == kWhite : picture[i] == RGB(0, 255, 0);
            ASSERT_EQ(taken[i], one ? kWhite : kBlack) << (mono ? "b/w" : "colour") << i;
        }
    }

    mask.DrawDefault();
    EXPECT_EQ(MaskPixels(mask), disc);
}

TEST(SampleMask, ANewScaleRedrawsTheDefaultAndStretchesAnyOther) {
    SampleMask mask;
    ASSERT_TRUE(mask.Create({40, 20}));
    ASSERT_TRUE(mask.Rescale({60, 30}));
    SampleMask fresh;
    fresh.Create({60, 30});
    EXPECT_EQ(MaskPixels(mask), MaskPixels(fresh));

    mask.Invert();
    ASSERT_TRUE(mask.Rescale({120, 60}));
    EXPECT_EQ(mask.Size().cx, 120);
    const Pixels stretched = MaskPixels(mask);
    const Pixels before = [&] {
        Pixels p = MaskPixels(fresh);
        for (COLORREF& pixel : p) pixel = pixel == kWhite ? kBlack : kWhite;
        return p;
    }();
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(stretched[static_cast<size_t>(y * 120 + x)],
                      before[static_cast<size_t>(y / 2 * 60 + x / 2)])
                << x << ", " << y;
}

}  // namespace
