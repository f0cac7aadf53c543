#include <gtest/gtest.h>

#include "blit_model.h"
#include "panel_dialog.h"
#include "test_panel.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

// Both panels at the real size with their default pictures.
struct RealPanels {
    TestPanel panels[2];
    RealPanels(bool mono0, bool mono1) {
        MakePanel(panels[0], 0, RealPanelSize(), mono0);
        MakePanel(panels[1], 1, RealPanelSize(), mono1);
    }
    void Blt(int nSrcPanel, DWORD rop) { BltSample(panels[nSrcPanel], panels[1 - nSrcPanel], rop); }
};

size_t Count(const Pixels& pixels, COLORREF color) {
    size_t count = 0;
    for (COLORREF pixel : pixels) count += pixel == color;
    return count;
}

TEST(BlitExamples, SrcCopyMakesAnExactCopyBetweenColourPanels) {
    RealPanels real(false, false);
    const Pixels source = ReadPanel(real.panels[0]);
    ASSERT_NE(source, ReadPanel(real.panels[1]));
    real.Blt(0, SRCCOPY);
    EXPECT_EQ(ReadPanel(real.panels[1]), source);
    EXPECT_EQ(ReadPanel(real.panels[0]), source) << "the source never changes";
}

TEST(BlitExamples, ColourOntoBlackAndWhiteIsWhiteExactlyWhereTheSourceHasItsBackground) {
    // Default colours: the white half; then green as background: the inside of the green ellipse.
    for (const COLORREF background : {kWhite, kGreen}) {
        RealPanels real(false, true);
        real.panels[0].m_crBk = background;
        const Pixels source = ReadPanel(real.panels[0]);
        ASSERT_GT(Count(source, background), 100u);
        real.Blt(0, SRCCOPY);
        const Pixels mask = ReadPanel(real.panels[1]);
        size_t wrong = 0;
        for (size_t i = 0; i < mask.size(); ++i)
            wrong += mask[i] != (source[i] == background ? kWhite : kBlack);
        EXPECT_EQ(wrong, 0u) << "background 0x" << std::hex << background;
    }
}

TEST(BlitExamples, WhiteMadeByAnyOperationCountsAsWhiteInAMask) {
    // WHITENESS and inversions set every bit of a pixel, not only its colour bits.
    for (const DWORD rop : {0x00FF0062u, 0x00550009u, 0x00330008u}) {
        RealPanels real(false, true);
        TestPanel& colour = real.panels[0];
        const size_t size = ReadPanel(colour).size();
        WritePanel(colour, Pixels(size, kBlack));
        WritePanel(real.panels[1], Pixels(size, kBlack));
        real.Blt(1, rop);
        ASSERT_EQ(Count(ReadPanel(colour), kWhite), size) << "rop 0x" << std::hex << rop;
        real.Blt(0, SRCCOPY);
        const Pixels mask = ReadPanel(real.panels[1]);
        EXPECT_EQ(Count(mask, kWhite), mask.size()) << "rop 0x" << std::hex << rop;
    }
}

TEST(BlitExamples, TheGreenMaskPaintsTheGreenAreaMagenta) {
    RealPanels real(false, true);
    real.panels[0].m_crBk = kGreen;
    real.Blt(0, SRCCOPY);

    const Pixels before = ReadPanel(real.panels[0]);
    real.panels[0].m_crBk = kWhite;
    real.panels[0].m_crPattern = kMagenta;
    real.Blt(1, 0x00E20746);
    const Pixels after = ReadPanel(real.panels[0]);

    size_t wrong = 0;
    for (size_t i = 0; i < after.size(); ++i)
        wrong += after[i] != (before[i] == kGreen ? kMagenta : before[i]);
    EXPECT_EQ(wrong, 0u);
    EXPECT_GT(Count(after, kMagenta), 100u);
    EXPECT_EQ(Count(after, kGreen), 0u);
}

TEST(BlitExamples, BlackAndWhiteSourceArrivesInTheDestinationsBackgroundAndTextColours) {
    RealPanels real(true, false);
    real.panels[1].m_crBk = kRed;
    real.panels[1].m_crText = kBlue;
    // The source panel's own colours take no part.
    real.panels[0].m_crBk = kGreen;
    real.panels[0].m_crText = kMagenta;
    const Pixels source = ReadPanel(real.panels[0]);
    real.Blt(0, SRCCOPY);
    const Pixels after = ReadPanel(real.panels[1]);
    size_t wrong = 0;
    for (size_t i = 0; i < after.size(); ++i)
        wrong += after[i] != (source[i] == kWhite ? kRed : kBlue);
    EXPECT_EQ(wrong, 0u);
}

TEST(BlitExamples, PatternBlacknessWhitenessAndInversionIgnoreTheSource) {
    const COLORREF pattern = RGB(0x12, 0x9A, 0xE4);
    for (bool mono : {false, true}) {
        SCOPED_TRACE(mono ? "b/w destination" : "colour destination");
        struct {
            DWORD rop;
            COLORREF (*expected)(COLORREF before, COLORREF pattern);
        } cases[] = {
            {0x00F00021, [](COLORREF, COLORREF p) { return p; }},
            {0x00000042, [](COLORREF, COLORREF) { return kBlack; }},
            {0x00FF0062, [](COLORREF, COLORREF) { return kWhite; }},
            {0x00550009, [](COLORREF d, COLORREF) { return ~d & 0xFFFFFF; }},
        };
        for (const auto& c : cases) {
            RealPanels real(false, mono);
            real.panels[1].m_crPattern = mono ? kBlack : pattern;
            const Pixels before = ReadPanel(real.panels[1]);
            real.Blt(0, c.rop);
            const Pixels after = ReadPanel(real.panels[1]);
            size_t wrong = 0;
            for (size_t i = 0; i < after.size(); ++i)
                wrong += after[i] != c.expected(before[i], real.panels[1].m_crPattern);
            EXPECT_EQ(wrong, 0u) << "rop 0x" << std::hex << c.rop;
        }
    }
}

TEST(BlitExamples, OnlyTheOperationIndexOfTheCodeCounts) {
    RealPanels table(false, false);
    RealPanels cleared(false, false);
    table.Blt(0, SRCCOPY);
    cleared.Blt(0, SRCCOPY & 0xFFFF0000);
    EXPECT_EQ(ReadPanel(cleared.panels[1]), ReadPanel(table.panels[1]));

    for (bool mono : {false, true}) {
        RealPanels real(false, mono);
        real.Blt(0, 0xFFFFFFFF);
        const Pixels after = ReadPanel(real.panels[1]);
        EXPECT_EQ(Count(after, kWhite), after.size()) << (mono ? "b/w" : "colour");
    }
}

TEST(BlitExamples, RealSizePanelsMatchTheModelInBothDirections) {
    const DWORD rops[] = {0x00B8074A, 0x00E20746, 0x005A0049, 0x00960169, 0x006A01E9};
    size_t compared = 0;
    for (int kinds = 0; kinds < 4; ++kinds) {
        RealPanels real(kinds & 1, kinds & 2);
        real.panels[0].m_crBk = RGB(0, 255, 0);
        real.panels[0].m_crText = RGB(0x80, 0x10, 0x20);
        real.panels[0].m_crPattern = real.panels[0].m_bMono ? kBlack : RGB(0x33, 0x66, 0x99);
        real.panels[1].m_crBk = RGB(0, 0, 255);
        real.panels[1].m_crText = RGB(0x20, 0x90, 0x40);
        real.panels[1].m_crPattern = real.panels[1].m_bMono ? kWhite : RGB(0xF0, 0x0F, 0x3C);
        for (const DWORD rop : rops) {
            for (int nSrcPanel : {0, 1}) {
                const BlitCheck check = BlitAndCompare(real.panels, nSrcPanel, rop);
                compared += check.compared;
                EXPECT_EQ(check.mismatches, 0u) << check.firstMismatch;
                EXPECT_FALSE(check.sourceChanged);
            }
        }
    }
    std::printf("real-size blits: %zu pixels compared\n", compared);
}

TEST(BlitExamples, BothContextsEndAsTheyWereAndTheBrushesAreGone) {
    RealPanels real(false, true);
    const HGDIOBJ brushes[2] = {::GetCurrentObject(real.panels[0].m_picture.DC(), OBJ_BRUSH),
                                ::GetCurrentObject(real.panels[1].m_picture.DC(), OBJ_BRUSH)};
    real.panels[0].m_crPattern = RGB(1, 2, 3);
    real.panels[1].m_crBk = RGB(4, 5, 6);
    real.panels[1].m_crText = RGB(7, 8, 9);
    for (int nSrcPanel : {0, 1}) real.Blt(nSrcPanel, 0x00E20746);
    for (int n : {0, 1}) {
        EXPECT_EQ(::GetCurrentObject(real.panels[n].m_picture.DC(), OBJ_BRUSH), brushes[n]);
        EXPECT_EQ(::GetBkColor(real.panels[n].m_picture.DC()), kWhite);
        EXPECT_EQ(::GetTextColor(real.panels[n].m_picture.DC()), kBlack);
    }
}

}  // namespace
