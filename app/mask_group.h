#pragma once

#include "afxwin.h"
#include "picture_history.h"
#include "sample_mask.h"

// The mask group: MaskBlt tried on the two samples. The foreground operation is the window's
// code, the background one the code typed in the group's entry; the mask's 1 bits take the
// first, its 0 bits the second. The mask is also a source of its own (Blt (M--->1), (M--->2)). It
// owns the mask; the panels it blits onto are the window's. Every change to a picture is a step
// of the window's undo history. Its status line says what went wrong in the group, and clears as
// the entry changes.
class CMaskGroup : public CDialogGroup {
public:
    CMaskGroup(CWnd& window, SamplePanel& panel1, SamplePanel& panel2, PictureHistory& history)
        : CDialogGroup(window), m_panels{&panel1, &panel2}, m_history(history) {}

    void AttachControls(CDataExchange* pDX) override;
    // The mask at the button's size with its default disc, and "D" in the entry.
    void SetUp() override;
    void OnScaleChanged(UINT dpi) override;
    SampleMask& Mask() { return m_mask; }
    CStatusLine& Status() { return m_status; }
    // The quaternary code as both halves stand now, with what it does; empty while the entry
    // cannot be read.
    void ShowRop4();

protected:
    void OnMaskBlt1To2() { MaskBltOnto(1); }
    void OnMaskBlt2To1() { MaskBltOnto(0); }
    void OnMaskOnto1() { BltMaskOnto(0); }
    void OnMaskOnto2() { BltMaskOnto(1); }
    void OnInvert();
    void OnFrom1();
    void OnDefaultPicture();
    void OnBackgroundEdited();
    DECLARE_MESSAGE_MAP()

private:
    void MaskBltOnto(int nDestination);
    void BltMaskOnto(int nDestination);
    SIZE MaskButtonSize() const;
    void Report(BOOL done, const char* fault);

    SamplePanel* m_panels[2];
    PictureHistory& m_history;
    SampleMask m_mask;
    CStatusLine m_status;
};
