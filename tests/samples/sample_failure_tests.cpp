#include <gtest/gtest.h>

#include "gdi_quota.h"
#include "message_box_watcher.h"
#include "panel_dialog.h"
#include "test_panel.h"
#include "ui_test.h"

namespace {

bool HasBitmap(const TestPanel& panel) { return panel.m_picture.Bitmap() != nullptr; }
bool HasDc(const TestPanel& panel) { return panel.m_picture.DC().GetSafeHdc() != nullptr; }

TEST(PanelFailures, BitmapTooLargeLeavesThePanelWithoutBitmapOrDcSilently) {
    MessageBoxWatcher boxes;
    TestPanel panel;
    MakePanel(panel, 0, {40, 30}, false);
    ASSERT_TRUE(HasDc(panel));
    EXPECT_FALSE(CreateSampleBitmap(panel, {60000, 60000}));
    EXPECT_FALSE(HasBitmap(panel));
    EXPECT_FALSE(HasDc(panel));

    // Everything else on such a panel does nothing.
    panel.m_picture.DrawDefault();
    TestPanel other;
    MakePanel(other, 1, {40, 30}, false);
    const Pixels picture = ReadPanel(other);
    for (const DWORD rop : {SRCCOPY, PATCOPY, WHITENESS, DSTINVERT}) {
        BltSample(panel, other, rop);
        BltSample(other, panel, rop);
    }
    EXPECT_EQ(ReadPanel(other), picture) << "a blit from or onto a panel without a DC does nothing";
    EXPECT_EQ(boxes.Count(), 0);

    EXPECT_TRUE(CreateSampleBitmap(panel, {40, 30})) << "the panel recovers with a sane size";
}

// With only a few GDI handles left, every creation step may fail in turn: the panel then has both
// its bitmap and its DC or neither, and nothing is lost.
TEST(PanelFailures, CreationUnderAShortageKeepsBitmapAndDcTogetherAndLeaksNothing) {
    MessageBoxWatcher boxes;
    const size_t headroom = GdiHeadroom();
    bool sawFailure = false, sawSuccess = false;
    for (size_t left = 0; left <= 6; ++left) {
        TestPanel panel;
        BOOL result = FALSE;
        bool raised = false;
        {
            GdiQuotaHog hog;
            hog.Free(left);
            try {
                result = CreateSampleBitmap(panel, {20, 10});
            } catch (const CResourceException&) {
                raised = true;
            }
        }
        SCOPED_TRACE(::testing::Message() << left << " handles left");
        EXPECT_EQ(HasBitmap(panel), HasDc(panel));
        if (!raised) {
            EXPECT_EQ(result != FALSE, HasDc(panel));
        }
        sawFailure |= !raised && !result;
        sawSuccess |= !raised && result;
    }
    EXPECT_TRUE(sawFailure);
    EXPECT_TRUE(sawSuccess);
    EXPECT_EQ(GdiHeadroom(), headroom);
    EXPECT_EQ(boxes.Count(), 0);
}

TEST(PanelFailures, DefaultPictureWithoutItsBrushesDrawsNothingAndRaises) {
    for (bool mono : {false, true}) {
        TestPanel panel;
        MakePanel(panel, 1, {30, 20}, mono);
        const Pixels blank(600, mono ? kBlack : RGB(9, 8, 7));
        WritePanel(panel, blank);
        const size_t headroom = GdiHeadroom();
        for (size_t left = 0; left < 3; ++left) {
            GdiQuotaHog hog;
            hog.Free(left);
            EXPECT_THROW(panel.m_picture.DrawDefault(), CResourceException);
        }
        EXPECT_EQ(ReadPanel(panel), blank) << (mono ? "b/w" : "colour");
        EXPECT_EQ(GdiHeadroom(), headroom) << "the brushes made before the failure are gone";
    }
}

TEST(PanelFailures, BlitWithoutAPatternBrushUsesWhiteAndSaysNothing) {
    MessageBoxWatcher boxes;
    TestPanel panels[2];
    MakePanel(panels[0], 0, {20, 10}, false);
    MakePanel(panels[1], 1, {20, 10}, false);
    panels[1].m_crPattern = RGB(255, 0, 0);
    {
        GdiQuotaHog hog;
        BltSample(panels[0], panels[1], PATCOPY);
    }
    EXPECT_EQ(ReadPanel(panels[1]), Pixels(200, kWhite));
    EXPECT_EQ(::GetCurrentObject(panels[1].m_picture.DC(), OBJ_BRUSH),
              ::GetStockObject(WHITE_BRUSH));
    BltSample(panels[0], panels[1], PATCOPY);
    EXPECT_EQ(ReadPanel(panels[1]), Pixels(200, RGB(255, 0, 0)));
    EXPECT_EQ(boxes.Count(), 0);
}

// "Clear" as the main window runs it, with the GDI handles used up while the picture is drawn.
// The handler gives them back before the failure reaches the window procedure, so the report
// itself can be shown.
class CShortOfHandlesDlg : public CPanelTestDlg {
protected:
    void OnClear1() {
        GdiQuotaHog hog;
        try {
            m_panels[0].m_picture.DrawDefault();
        } catch (...) {
            hog.Release();
            throw;
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CShortOfHandlesDlg, CPanelTestDlg)
ON_BN_CLICKED(IDC_DEFAULT_PICTURE1, &CShortOfHandlesDlg::OnClear1)
END_MESSAGE_MAP()

TEST(PanelFailures, MissingBrushIsReportedAsAnUnavailableResource) {
    CShortOfHandlesDlg dlg;
    ASSERT_TRUE(dlg.Create());
    MakePanel(dlg.m_panels[0], 0, {30, 20}, false);
    MessageBoxWatcher boxes;
    ClickButton(dlg.m_hWnd, IDC_DEFAULT_PICTURE1);
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.Last().text, "A required resource was unavailable.");
    EXPECT_EQ(boxes.Last().icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(boxes.Last().caption, "Samples Test");
}

}  // namespace
