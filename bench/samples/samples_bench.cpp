// Times what a "Blt" click costs in the samples: one blit plus the repaint of both picture
// buttons at the real panel size, and the sweep of all 256 operations over the four pairs of
// panel kinds. Prints microseconds.

#include <algorithm>
#include <cstdio>
#include <vector>

#include "afxwin.h"
#include "resource.h"
#include "sample_panel.h"
#include "test_panel.h"

CWinApp theBenchApp;

namespace {

constexpr int kRepetitions = 2000;

// The main window's template with its two picture buttons drawn from the panels.
class CBenchDlg : public CDialog {
public:
    CBenchDlg() : CDialog(IDD_VELMAR_DIALOG) {}
    TestPanel m_panels[2];
    int m_pictureDrawings = 0;

    HWND Picture(int n) const { return ::GetDlgItem(m_hWnd, IDC_PICTURE1 + n); }
    SIZE PictureSize() const {
        RECT client{};
        ::GetClientRect(Picture(0), &client);
        return {client.right, client.bottom};
    }

protected:
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT item) {
        if ((nIDCtl == IDC_PICTURE1 || nIDCtl == IDC_PICTURE2) &&
            (item->itemAction & ODA_DRAWENTIRE)) {
            m_panels[nIDCtl - IDC_PICTURE1].m_picture.Draw(*item);
            ++m_pictureDrawings;
            return;
        }
        CDialog::OnDrawItem(nIDCtl, item);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchDlg, CDialog)
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

class Stopwatch {
public:
    Stopwatch() {
        ::QueryPerformanceFrequency(&m_frequency);
        ::QueryPerformanceCounter(&m_start);
    }
    double Microseconds() const {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        return 1e6 * static_cast<double>(now.QuadPart - m_start.QuadPart) /
               static_cast<double>(m_frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_frequency;
    LARGE_INTEGER m_start;
};

void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
}

void MakePanels(CBenchDlg& dlg, bool mono0, bool mono1) {
    const bool mono[2] = {mono0, mono1};
    for (int n : {0, 1}) MakePanel(dlg.m_panels[n], n, dlg.PictureSize(), mono[n]);
}

void BlitAndRepaint(CBenchDlg& dlg, int nSrcPanel) {
    BltSample(dlg.m_panels[nSrcPanel], dlg.m_panels[1 - nSrcPanel], 0x00E20746);
    for (int n : {0, 1}) {
        ::InvalidateRect(dlg.Picture(n), nullptr, FALSE);
        ::UpdateWindow(dlg.Picture(n));
    }
}

double Percentile(const std::vector<double>& sorted, double fraction) {
    return sorted[static_cast<size_t>(fraction * static_cast<double>(sorted.size() - 1))];
}

void PrintSpread(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%s, %zu repetitions:\n", what, times.size());
    std::printf("  median %.1f us, 10th-90th percentile %.1f-%.1f us, min %.1f us, max %.1f us\n",
                Percentile(times, 0.5), Percentile(times, 0.1), Percentile(times, 0.9),
                times.front(), times.back());
}

void TimeBlitAndRepaint(CBenchDlg& dlg) {
    MakePanels(dlg, false, false);
    std::vector<double> withRepaint, blitOnly;
    dlg.m_pictureDrawings = 0;
    for (int i = 0; i < kRepetitions; ++i) {
        const Stopwatch watch;
        BlitAndRepaint(dlg, i & 1);
        withRepaint.push_back(watch.Microseconds());
    }
    const int drawings = dlg.m_pictureDrawings;
    for (int i = 0; i < kRepetitions; ++i) {
        const Stopwatch watch;
        BltSample(dlg.m_panels[i & 1], dlg.m_panels[1 - (i & 1)], 0x00E20746);
        blitOnly.push_back(watch.Microseconds());
    }
    PrintSpread("blit + repaint of both pictures", withRepaint);
    std::printf("  (%d pictures drawn)\n", drawings);
    PrintSpread("blit alone", blitOnly);
}

void TimeSweep(CBenchDlg& dlg) {
    const Stopwatch watch;
    for (int kinds = 0; kinds < 4; ++kinds) {
        MakePanels(dlg, kinds & 1, kinds & 2);
        for (DWORD index = 0; index < 256; ++index)
            BltSample(dlg.m_panels[0], dlg.m_panels[1], index << 16);
    }
    std::printf(
        "sweep of 256 operations x 4 pairs of kinds (1,024 blits, panels made anew for "
        "each pair): %.0f us\n",
        watch.Microseconds());
}

}  // namespace

int main() {
    AfxWinInit(::GetModuleHandleA(nullptr));
    CBenchDlg dlg;
    if (!dlg.Create(IDD_VELMAR_DIALOG)) return 1;
    dlg.ShowWindow(SW_SHOWNORMAL);
    ::UpdateWindow(dlg.m_hWnd);
    Pump();
    const SIZE size = dlg.PictureSize();
    std::printf("panel size %ld x %ld pixels\n", static_cast<long>(size.cx),
                static_cast<long>(size.cy));
    TimeBlitAndRepaint(dlg);
    TimeSweep(dlg);
    dlg.DestroyWindow();
    return 0;
}
