#include <gtest/gtest.h>

#include <cstdio>

#include "blit_model.h"
#include "gdi_quota.h"
#include "panel_dialog.h"
#include "rop_truth_table.h"
#include "test_panel.h"

namespace {

DWORD GdiObjectCount() { return ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS); }

// GDI handle tables are bounded, so a handle lost per blit or per mode change would soon make
// creations fail and the pictures wrong; the headroom shows any loss at once.
TEST(BlitLeaks, TwentyThousandBlitsAndFiveThousandModeChangesLeaveNoHandleBehind) {
    const SIZE size = RealPanelSize();
    TestPanel panels[2];
    MakePanel(panels[0], 0, size, false);
    MakePanel(panels[1], 1, size, true);
    panels[0].m_crPattern = RGB(0x40, 0x80, 0xC0);
    panels[0].m_crBk = RGB(0, 255, 0);
    panels[1].m_crBk = RGB(0, 0, 255);
    panels[1].m_crText = RGB(255, 255, 0);
    for (int n : {0, 1}) BltSample(panels[n], panels[1 - n], SRCCOPY);

    const DWORD objectsBefore = GdiObjectCount();
    const size_t headroomBefore = GdiHeadroom();

    for (int i = 0; i < 20000; ++i) {
        const DWORD rop = RopTruthTable::CodeFromIndex(static_cast<std::uint8_t>(i * 7));
        BltSample(panels[i & 1], panels[1 - (i & 1)], rop);
    }
    int failedCreations = 0;
    for (int i = 0; i < 5000; ++i) {
        const int n = i & 1;
        panels[n].m_bMono = !panels[n].m_bMono;
        failedCreations += !CreateSampleBitmap(panels[n], panels[n].m_picture.Size());
    }
    EXPECT_EQ(failedCreations, 0);

    EXPECT_EQ(GdiHeadroom(), headroomBefore);
    EXPECT_LE(GdiObjectCount(), objectsBefore);

    panels[0].m_crPattern = panels[0].m_bMono ? kBlack : RGB(0x40, 0x80, 0xC0);
    panels[1].m_crPattern = panels[1].m_bMono ? kWhite : RGB(0x12, 0x34, 0x56);
    for (int n : {0, 1}) {
        const BlitCheck check = BlitAndCompare(panels, n, 0x00E20746);
        EXPECT_EQ(check.mismatches, 0u) << check.firstMismatch;
        EXPECT_EQ(check.compared, static_cast<size_t>(size.cx * size.cy));
    }
    std::printf("leak check: headroom %zu GDI objects, GetGuiResources %lu\n", headroomBefore,
                static_cast<unsigned long>(objectsBefore));
}

}  // namespace
