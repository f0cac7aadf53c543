#include "blit_model.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "rop_quaternary.h"

namespace {

constexpr std::uint32_t kColourBits = 0x00FFFFFF;

std::uint32_t AsBits(COLORREF pixel, bool mono) {
    if (mono) return pixel == kWhite ? 1 : 0;
    return pixel & kColourBits;
}

COLORREF FromBits(std::uint32_t bits, bool mono) {
    if (mono) return bits ? kWhite : kBlack;
    return bits;
}

std::uint32_t SourceBits(COLORREF pixel, const TestPanel& source, const TestPanel& destination) {
    if (source.m_bMono == destination.m_bMono) return AsBits(pixel, source.m_bMono);
    if (destination.m_bMono) return (pixel & kColourBits) == (source.m_crBk & kColourBits) ? 1 : 0;
    return (pixel == kWhite ? destination.m_crBk : destination.m_crText) & kColourBits;
}

// Which pixels of a hatch brush's 8 x 8 cell are line and which gap is GDI's own design, so it is
// read from GDI once: the brush drawn black on white at origin 0, 0.
BrushPattern HatchPattern(BrushStyle style) {
    SampleBrush hatch;
    hatch.m_style = style;
    CBrush brush;
    CreateSampleBrush(brush, hatch, kBlack);
    DrawTarget cell({8, 8}, kWhite);
    CSavedDCState saved(cell.dc);
    cell.dc.SetBkColor(kWhite);
    cell.dc.SelectObject(brush);
    cell.dc.PatBlt(0, 0, 8, 8, PATCOPY);
    const Pixels pixels = cell.Read();
    BrushPattern pattern{};
    for (size_t i = 0; i < pixels.size(); ++i)
        if (pixels[i] == kWhite) pattern[i / 8] |= static_cast<std::uint8_t>(0x80 >> (i % 8));
    return pattern;
}

// P at every pixel of the destination: its brush's pattern moved by the brush origin, a pattern
// bit 1 giving the hatch's gap or a monochrome pattern's 1 (both the background colour) and a 0
// the hatch line (the pattern colour) or the monochrome pattern's 0 (the text colour).
std::vector<std::uint32_t> PatternBits(const TestPanel& destination) {
    const SampleBrush& brush = destination.m_brush;
    const bool mono = destination.m_bMono != FALSE;
    const SIZE size = destination.m_picture.Size();
    std::vector<std::uint32_t> bits(static_cast<size_t>(size.cx * size.cy));
    if (brush.m_style == BrushStyle::Solid) {
        std::fill(bits.begin(), bits.end(), AsBits(destination.m_crPattern, mono));
        return bits;
    }
    const BrushPattern pattern = brush.m_style == BrushStyle::Halftone ? kHalftonePattern
                                 : brush.m_style == BrushStyle::Custom
                                     ? brush.m_customPattern
                                     : HatchPattern(brush.m_style);
    const COLORREF zero =
        TakesDcColors(brush.m_style) ? destination.m_crText : destination.m_crPattern;
    for (size_t i = 0; i < bits.size(); ++i) {
        const int x = static_cast<int>(i % static_cast<size_t>(size.cx));
        const int y = static_cast<int>(i / static_cast<size_t>(size.cx));
        const bool one = PatternBit(pattern, x - brush.m_nOriginX, y - brush.m_nOriginY);
        bits[i] = AsBits(one ? destination.m_crBk : zero, mono);
    }
    return bits;
}

}  // namespace

std::uint32_t ModelBits(std::uint8_t index, std::uint32_t p, std::uint32_t s, std::uint32_t d,
                        int width) {
    std::uint32_t result = 0;
    for (int bit = 0; bit < width; ++bit) {
        const int row = 4 * ((p >> bit) & 1) + 2 * ((s >> bit) & 1) + ((d >> bit) & 1);
        result |= ((index >> row) & 1u) << bit;
    }
    return result;
}

namespace {

// Runs `blit` and compares every destination pixel with the model, the operation index of
// pixel i given by `indexOf(i)`.
BlitCheck CompareWithModel(TestPanel (&panels)[2], int nSrcPanel, const std::function<void()>& blit,
                           const std::function<std::uint8_t(size_t)>& indexOf, DWORD rop) {
    const TestPanel& source = panels[nSrcPanel];
    TestPanel& destination = panels[1 - nSrcPanel];
    const Pixels sourceBefore = ReadPanel(source);
    const Pixels destinationBefore = ReadPanel(destination);
    const std::vector<std::uint32_t> pattern = PatternBits(destination);

    blit();

    const Pixels after = ReadPanel(destination);
    const bool mono = destination.m_bMono != FALSE;
    const int width = mono ? 1 : 24;
    BlitCheck check;
    check.sourceChanged = ReadPanel(source) != sourceBefore;
    for (size_t i = 0; i < after.size(); ++i) {
        const COLORREF expected = FromBits(
            ModelBits(indexOf(i), pattern[i], SourceBits(sourceBefore[i], source, destination),
                      AsBits(destinationBefore[i], mono), width),
            mono);
        ++check.compared;
        if ((after[i] & kColourBits) == expected) continue;
        if (check.mismatches++ == 0) {
            char text[160];
            std::snprintf(
                text, sizeof text,
                "rop 0x%08lX pixel %zu (x %ld, y %ld): got 0x%06lX, want 0x%06lX",
                static_cast<unsigned long>(rop), i,
                static_cast<long>(i % static_cast<size_t>(destination.m_picture.Size().cx)),
                static_cast<long>(i / static_cast<size_t>(destination.m_picture.Size().cx)),
                static_cast<unsigned long>(after[i]), static_cast<unsigned long>(expected));
            check.firstMismatch = text;
        }
    }
    return check;
}

}  // namespace

BlitCheck BlitAndCompare(TestPanel (&panels)[2], int nSrcPanel, DWORD rop) {
    return CompareWithModel(
        panels, nSrcPanel, [&] { BltSample(panels[nSrcPanel], panels[1 - nSrcPanel], rop); },
        [&](size_t) { return static_cast<std::uint8_t>(rop >> 16); }, rop);
}

BlitCheck MaskBltAndCompare(TestPanel (&panels)[2], int nSrcPanel, SampleMask& mask, DWORD rop4) {
    const Pixels maskBits = ReadPixels(mask.Bitmap(), mask.Size());
    // Row r of the quaternary table is the background's for r <= 8, the foreground's above.
    const auto indexOf = [&](size_t i) {
        std::uint8_t index = 0;
        const int masked = maskBits[i] == kWhite ? 8 : 0;
        for (int row = 1; row <= 8; ++row)
            index |= static_cast<std::uint8_t>(Rop4RowResult(rop4, masked + row) << (row - 1));
        return index;
    };
    return CompareWithModel(
        panels, nSrcPanel,
        [&] { MaskBltSample(panels[nSrcPanel], panels[1 - nSrcPanel], mask, rop4); }, indexOf,
        rop4);
}
