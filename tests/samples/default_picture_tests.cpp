#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "panel_dialog.h"
#include "test_panel.h"

namespace {

constexpr COLORREF kBrushColors[3] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};

struct PictureCheck {
    int wrong = 0;
    std::string first;
    int brushPixels[3] = {0, 0, 0};
};

COLORREF HalfAt(int nPanel, SIZE size, int x, int y) {
    if (nPanel == 0) return y < size.cy / 2 ? kWhite : kBlack;
    return x < size.cx / 2 ? kWhite : kBlack;
}

// The ellipse (0 to 2) whose rectangle holds the pixel, or -1 for the columns (panel 0) or rows
// (panel 1) past 3 x (side / 3) that no ellipse covers.
int EllipseAt(int nPanel, SIZE size, int x, int y, RECT* rect) {
    const int third = (nPanel == 0 ? size.cx : size.cy) / 3;
    const int along = nPanel == 0 ? x : y;
    if (third == 0 || along >= 3 * third) return -1;
    const int k = along / third;
    *rect = nPanel == 0 ? RECT{k * third, 0, (k + 1) * third, size.cy}
                        : RECT{0, k * third, size.cx, (k + 1) * third};
    return k;
}

// Where a pixel centre lies against the ellipse inscribed in `rect` with its half-axes grown by
// `grow` pixels: <= 1 inside.
double EllipseDistance(const RECT& rect, int x, int y, double grow) {
    const double a = (rect.right - rect.left) / 2.0 + grow;
    const double b = (rect.bottom - rect.top) / 2.0 + grow;
    if (a <= 0 || b <= 0) return 2;
    const double dx = (x + 0.5 - (rect.left + rect.right) / 2.0) / a;
    const double dy = (y + 0.5 - (rect.top + rect.bottom) / 2.0) / b;
    return dx * dx + dy * dy;
}

// Exact pixels for the halves and for everything no ellipse can reach; well inside an ellipse its
// brush colour; on its edge the black outline, the brush or the half, as the rasteriser decides.
PictureCheck CheckDefaultPicture(const Pixels& pixels, SIZE size, int nPanel, bool mono) {
    PictureCheck check;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const COLORREF got = pixels[static_cast<size_t>(y * size.cx + x)];
            const COLORREF half = HalfAt(nPanel, size, x, y);
            RECT rect;
            const int k = mono ? -1 : EllipseAt(nPanel, size, x, y, &rect);
            bool ok;
            if (k < 0 || EllipseDistance(rect, x, y, 1.0) > 1) {
                ok = got == half;
            } else if (EllipseDistance(rect, x, y, -1.5) <= 1) {
                ok = got == kBrushColors[k];
            } else {
                ok = got == half || got == kBlack || got == kBrushColors[k];
            }
            if (!mono && k >= 0 && got == kBrushColors[k]) ++check.brushPixels[k];
            if (!ok && check.wrong++ == 0) {
                char text[96];
                std::snprintf(text, sizeof text, "(%d, %d) is 0x%06lX", x, y,
                              static_cast<unsigned long>(got));
                check.first = text;
            }
        }
    }
    return check;
}

// Drawn over a bitmap of one colour, so a pixel the picture leaves out shows.
void ExpectDefaultPicture(SIZE size, int nPanel, bool mono) {
    TestPanel panel;
    MakePanel(panel, nPanel, size, mono);
    ASSERT_NE(panel.m_picture.DC().GetSafeHdc(), nullptr);
    const size_t count = static_cast<size_t>(size.cx * size.cy);
    for (const COLORREF underneath : {kWhite, kBlack, RGB(1, 2, 3)}) {
        if (mono && underneath != kWhite && underneath != kBlack) continue;
        WritePanel(panel, Pixels(count, underneath));
        panel.m_picture.DrawDefault();
        const PictureCheck check = CheckDefaultPicture(ReadPanel(panel), size, nPanel, mono);
        EXPECT_EQ(check.wrong, 0) << "panel " << nPanel << (mono ? " b/w " : " colour ") << size.cx
                                  << " x " << size.cy << ", first at " << check.first;
        const int third = (nPanel == 0 ? size.cx : size.cy) / 3;
        if (!mono && third >= 5) {
            for (int k = 0; k < 3; ++k)
                EXPECT_GT(check.brushPixels[k], 0) << "ellipse " << k << " has its brush colour";
        }
    }
}

TEST(DefaultPicture, AtTheRealPanelSizeInBothModes) {
    const SIZE size = RealPanelSize();
    ASSERT_GT(size.cx, 30);
    ASSERT_GT(size.cy, 30);
    for (int nPanel : {0, 1})
        for (bool mono : {false, true}) ExpectDefaultPicture(size, nPanel, mono);
}

TEST(DefaultPicture, HalvesSplitAtTheIntegerMiddleAndEllipsesKeepToWholeThirds) {
    // Even and odd sides, sides of 3k, 3k + 1 and 3k + 2 pixels, and the real size at 150 % and
    // 200 % display scaling.
    const SIZE sizes[] = {{9, 8},   {10, 7},  {11, 6},  {12, 9}, {30, 31}, {31, 32},   {32, 33},
                          {45, 20}, {46, 21}, {47, 22}, {2, 2},  {1, 5},   {288, 189}, {384, 252}};
    for (const SIZE size : sizes)
        for (int nPanel : {0, 1})
            for (bool mono : {false, true}) ExpectDefaultPicture(size, nPanel, mono);
}

TEST(DefaultPicture, IgnoresThePanelsColoursAndRepaintsOverEverything) {
    for (bool mono : {false, true}) {
        TestPanel panel;
        const SIZE size{40, 29};
        MakePanel(panel, 0, size, mono);
        const Pixels fresh = ReadPanel(panel);
        panel.m_crPattern = RGB(10, 20, 30);
        panel.m_crBk = RGB(0, 255, 0);
        panel.m_crText = RGB(255, 0, 255);
        WritePanel(panel, Pixels(fresh.size(), mono ? kBlack : RGB(1, 2, 3)));
        panel.m_picture.DrawDefault();
        EXPECT_EQ(ReadPanel(panel), fresh) << (mono ? "b/w" : "colour");
    }
}

TEST(DefaultPicture, LeavesTheContextAsItFoundIt) {
    TestPanel panel;
    MakePanel(panel, 1, {24, 24}, false);
    const HGDIOBJ brush = ::GetCurrentObject(panel.m_picture.DC(), OBJ_BRUSH);
    const HGDIOBJ pen = ::GetCurrentObject(panel.m_picture.DC(), OBJ_PEN);
    const HGDIOBJ bitmap = ::GetCurrentObject(panel.m_picture.DC(), OBJ_BITMAP);
    panel.m_picture.DrawDefault();
    EXPECT_EQ(::GetCurrentObject(panel.m_picture.DC(), OBJ_BRUSH), brush);
    EXPECT_EQ(::GetCurrentObject(panel.m_picture.DC(), OBJ_PEN), pen);
    EXPECT_EQ(::GetCurrentObject(panel.m_picture.DC(), OBJ_BITMAP), bitmap);
    EXPECT_EQ(bitmap, panel.m_picture.Bitmap());
}

}  // namespace
