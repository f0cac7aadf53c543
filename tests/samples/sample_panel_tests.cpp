#include <gtest/gtest.h>

#include "blit_model.h"
#include "gdi_quota.h"
#include "message_box_watcher.h"
#include "panel_dialog.h"
#include "test_panel.h"
#include "ui_test.h"

namespace {

BITMAP BitmapInfo(HBITMAP bitmap) {
    BITMAP info{};
    ::GetObjectA(bitmap, sizeof info, &info);
    return info;
}

TEST(CreateSampleBitmap, GivesThePanelABitmapOfItsSizeAndModeSelectedIntoItsOwnDc) {
    CClientDC screen(nullptr);
    const int screenBits = ::GetDeviceCaps(screen, BITSPIXEL) * ::GetDeviceCaps(screen, PLANES);
    for (bool mono : {false, true}) {
        TestPanel panel(1);
        panel.m_bMono = mono;
        EXPECT_TRUE(CreateSampleBitmap(panel, {37, 23}));
        const BITMAP info = BitmapInfo(panel.m_picture.Bitmap());
        EXPECT_EQ(info.bmWidth, 37);
        EXPECT_EQ(info.bmHeight, 23);
        EXPECT_EQ(info.bmPlanes * info.bmBitsPixel, mono ? 1 : screenBits);
        EXPECT_EQ(::GetCurrentObject(panel.m_picture.DC(), OBJ_BITMAP), panel.m_picture.Bitmap());
        EXPECT_EQ(::GetObjectType(panel.m_picture.DC()), static_cast<DWORD>(OBJ_MEMDC));
    }
}

TEST(CreateSampleBitmap, ModeChangeDiscardsBlitResultsAndKeepsTheColours) {
    TestPanel panels[2];
    MakePanel(panels[0], 0, {30, 20}, false);
    MakePanel(panels[1], 1, {30, 20}, false);
    TestPanel fresh[2];
    MakePanel(fresh[0], 1, {30, 20}, true);
    MakePanel(fresh[1], 1, {30, 20}, false);

    TestPanel& panel = panels[1];
    panel.m_crPattern = RGB(1, 2, 3);
    panel.m_crBk = RGB(4, 5, 6);
    panel.m_crText = RGB(7, 8, 9);
    for (bool mono : {true, false}) {
        BltSample(panels[0], panel, SRCCOPY);
        panel.m_bMono = mono;
        EXPECT_TRUE(CreateSampleBitmap(panel, panel.m_picture.Size()));
        EXPECT_EQ(ReadPanel(panel), ReadPanel(fresh[mono ? 0 : 1])) << (mono ? "b/w" : "colour");
        EXPECT_EQ(panel.m_crPattern, RGB(1, 2, 3));
        EXPECT_EQ(panel.m_crBk, RGB(4, 5, 6));
        EXPECT_EQ(panel.m_crText, RGB(7, 8, 9));
    }
}

TEST(ResetSampleColors, RestoresWhiteWhiteBlackAndLeavesThePicture) {
    TestPanel panels[2];
    MakePanel(panels[0], 0, {20, 20}, false);
    MakePanel(panels[1], 1, {20, 20}, false);
    BltSample(panels[0], panels[1], 0x00660046);
    const Pixels picture = ReadPanel(panels[1]);
    panels[1].m_crPattern = RGB(9, 9, 9);
    panels[1].m_crBk = RGB(0, 255, 0);
    panels[1].m_crText = RGB(255, 0, 0);
    ResetSampleColors(panels[1]);
    EXPECT_EQ(panels[1].m_crPattern, RGB(255, 255, 255));
    EXPECT_EQ(panels[1].m_crBk, RGB(255, 255, 255));
    EXPECT_EQ(panels[1].m_crText, RGB(0, 0, 0));
    EXPECT_EQ(ReadPanel(panels[1]), picture);
}

TEST(DrawSamplePicture, CopiesThePanelOneToOneAndShowsBlackAndWhiteAsBlackAndWhite) {
    const SIZE size{33, 21};
    const RECT rect{3, 2, 3 + size.cx, 2 + size.cy};
    const COLORREF fill = RGB(0x12, 0x34, 0x56);
    for (bool mono : {false, true}) {
        TestPanel panels[2];
        MakePanel(panels[0], 0, size, false);
        MakePanel(panels[1], 1, size, mono);
        BltSample(panels[0], panels[1], 0x00E20746);

        DrawTarget target({size.cx + 8, size.cy + 6}, fill);
        // Whatever the button's DC held before must not colour the copy, and must come back.
        const CBrush brush(RGB(200, 100, 50));
        target.dc.SelectObject(brush.GetSafeHandle());
        target.dc.SetBkColor(RGB(0, 255, 0));
        target.dc.SetTextColor(RGB(255, 0, 0));
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.itemAction = ODA_DRAWENTIRE;
        item.hDC = target.dc;
        item.rcItem = rect;

        Pixels expected = target.Read();
        const Pixels picture = ReadPanel(panels[1]);
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x)
                expected[static_cast<size_t>((y + rect.top) * target.size.cx + x + rect.left)] =
                    picture[static_cast<size_t>(y * size.cx + x)];
        panels[1].m_picture.Draw(item);
        EXPECT_EQ(target.Read(), expected) << (mono ? "b/w" : "colour");
        EXPECT_EQ(::GetCurrentObject(target.dc, OBJ_BRUSH), brush.GetSafeHandle());
        EXPECT_EQ(::GetBkColor(target.dc), RGB(0, 255, 0));
        EXPECT_EQ(::GetTextColor(target.dc), RGB(255, 0, 0));

        // A panel without a DC leaves its button undrawn.
        target.Fill(fill);
        TestPanel empty;
        empty.m_picture.Draw(item);
        EXPECT_EQ(target.Read(), Pixels(expected.size(), fill));
    }
}

// After a move to a monitor of another scale the button has another size than the bitmap made
// for it: the picture keeps its pixels, in the top-left corner, with the button face around it.
TEST(DrawSamplePicture, NeverStretchesIntoAButtonOfAnotherSize) {
    const SIZE size{30, 20};
    TestPanel panel;
    MakePanel(panel, 0, size, false);
    const Pixels picture = ReadPanel(panel);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    for (const SIZE button : {SIZE{45, 30}, SIZE{20, 14}, SIZE{45, 14}}) {
        DrawTarget target(button, RGB(1, 2, 3));
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.itemAction = ODA_DRAWENTIRE;
        item.hDC = target.dc;
        item.rcItem = {0, 0, button.cx, button.cy};
        panel.m_picture.Draw(item);
        const Pixels shown = target.Read();
        int wrong = 0;
        for (int y = 0; y < button.cy; ++y)
            for (int x = 0; x < button.cx; ++x) {
                const COLORREF expected = x < size.cx && y < size.cy
                                              ? picture[static_cast<size_t>(y * size.cx + x)]
                                              : face;
                wrong += shown[static_cast<size_t>(y * button.cx + x)] != expected;
            }
        EXPECT_EQ(wrong, 0) << button.cx << " x " << button.cy;
    }
}

TEST(BltSample, BetweenPanelsOfDifferentSizesCoversWhatBothHave) {
    TestPanel small, large;
    MakePanel(small, 0, {20, 12}, false);
    MakePanel(large, 1, {30, 18}, false);
    const Pixels before = ReadPanel(large);
    BltSample(small, large, SRCCOPY);
    Pixels expected = before;
    const Pixels source = ReadPanel(small);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x)
            expected[static_cast<size_t>(y * 30 + x)] = source[static_cast<size_t>(y * 20 + x)];
    EXPECT_EQ(ReadPanel(large), expected);
}

TEST(PictureButtons, ShowBothPanelsOnTheScreenAndRepaintAfterABlit) {
    CPanelTestDlg dlg;
    ASSERT_TRUE(dlg.Create());
    for (int n : {0, 1}) {
        RECT client;
        ::GetClientRect(dlg.Item(IDC_PICTURE1 + n), &client);
        MakePanel(dlg.m_panels[n], n, {client.right, client.bottom}, n == 1);
    }
    dlg.ShowAndPaint();
    for (int round = 0; round < 2; ++round) {
        for (int n : {0, 1}) {
            SIZE shown{};
            const Pixels screen = ReadWindowClient(dlg.Item(IDC_PICTURE1 + n), &shown);
            EXPECT_EQ(shown.cx, dlg.m_panels[n].m_picture.Size().cx);
            EXPECT_EQ(shown.cy, dlg.m_panels[n].m_picture.Size().cy);
            EXPECT_EQ(screen, ReadPanel(dlg.m_panels[n]))
                << "picture " << n + 1 << " round " << round;
        }
        dlg.m_panels[1].m_crBk = RGB(0, 255, 0);
        BltSample(dlg.m_panels[1], dlg.m_panels[0], SRCCOPY);
        dlg.RepaintPictures();
    }
}

}  // namespace
