#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "blit_model.h"
#include "rop_truth_table.h"
#include "test_panel.h"

namespace {

constexpr SIZE kSweepSize{16, 8};

class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : m_state(seed) {}
    std::uint32_t Next() {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }

private:
    std::uint32_t m_state;
};

// Colour pixels that make the conversion to black and white matter: the source panel's own
// background colour, that colour with any one of its 24 bits flipped, the other colours in play,
// and random ones.
Pixels ColourPicture(int nPanel, std::uint32_t seed) {
    Lcg random(seed);
    Pixels pixels(static_cast<size_t>(kSweepSize.cx * kSweepSize.cy));
    const COLORREF bk = kBkColors[nPanel];
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (i % 5 == 0)
            pixels[i] = bk;
        else if (i % 5 == 1)
            pixels[i] = bk ^ (1u << (i / 5 % 24));
        else
            pixels[i] = random.Next() & 0xFFFFFF;
    }
    pixels[2] = kBkColors[1 - nPanel];
    pixels[3] = kTextColors[0];
    pixels[4] = kTextColors[1];
    pixels[7] = kBlack;
    pixels[8] = kWhite;
    return pixels;
}

Pixels MonoPicture(std::uint32_t seed) {
    Lcg random(seed);
    Pixels pixels(static_cast<size_t>(kSweepSize.cx * kSweepSize.cy));
    for (COLORREF& pixel : pixels) pixel = (random.Next() & 1) ? kWhite : kBlack;
    return pixels;
}

Pixels StartPicture(const TestPanel& panel, int nPanel, std::uint32_t seed) {
    return panel.m_bMono ? MonoPicture(seed) : ColourPicture(nPanel, seed);
}

struct SweepTotals {
    size_t blits = 0;
    size_t compared = 0;
    size_t mismatches = 0;
};

// Every operation index, with its published code and with the code's low word and top byte
// changed, from one panel onto the other; pictures reset before each blit.
void Sweep(TestPanel (&panels)[2], int nSrcPanel, SweepTotals& totals) {
    const Pixels start[2] = {StartPicture(panels[0], 0, 11), StartPicture(panels[1], 1, 23)};
    for (int index = 0; index < 256; ++index) {
        const DWORD code = RopTruthTable::CodeFromIndex(static_cast<std::uint8_t>(index));
        for (const DWORD rop : {code, (code & 0x00FF0000) | 0xFF00FFFF}) {
            WritePanel(panels[0], start[0]);
            WritePanel(panels[1], start[1]);
            const BlitCheck check = BlitAndCompare(panels, nSrcPanel, rop);
            ++totals.blits;
            totals.compared += check.compared;
            totals.mismatches += check.mismatches;
            EXPECT_EQ(check.mismatches, 0u) << check.firstMismatch;
            EXPECT_FALSE(check.sourceChanged) << "rop " << std::hex << rop;
        }
    }
}

TEST(BlitSweep, EveryOperationOfEveryPairOfKindsMatchesThePerBitModel) {
    SweepTotals totals;
    for (bool sourceMono : {false, true}) {
        for (bool destinationMono : {false, true}) {
            for (int nSrcPanel : {0, 1}) {
                const int nDst = 1 - nSrcPanel;
                TestPanel panels[2];
                MakePanel(panels[nSrcPanel], nSrcPanel, kSweepSize, sourceMono);
                MakePanel(panels[nDst], nDst, kSweepSize, destinationMono);
                for (int n : {0, 1}) {
                    panels[n].m_crPattern = kPatterns[n];
                    panels[n].m_crBk = kBkColors[n];
                    panels[n].m_crText = kTextColors[n];
                }
                // One bit of pattern on black and white: black and white both, so every row of
                // the truth table is reached.
                const COLORREF patterns[2] = {destinationMono ? kBlack : kPatterns[nDst],
                                              destinationMono ? kWhite : kPatterns[nDst]};
                for (const COLORREF pattern : patterns) {
                    SCOPED_TRACE(::testing::Message()
                                 << (sourceMono ? "b/w" : "colour") << " onto "
                                 << (destinationMono ? "b/w" : "colour") << ", panel "
                                 << nSrcPanel + 1 << " to " << nDst + 1 << ", pattern 0x"
                                 << std::hex << pattern);
                    panels[nDst].m_crPattern = pattern;
                    Sweep(panels, nSrcPanel, totals);
                    if (!destinationMono) break;
                }
            }
        }
    }
    std::printf("blit sweep: %zu blits, %zu pixels compared, %zu mismatches\n", totals.blits,
                totals.compared, totals.mismatches);
    EXPECT_EQ(totals.blits, 256u * 2 * 2 * 6);
}

}  // namespace
