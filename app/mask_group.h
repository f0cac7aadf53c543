#pragma once

#include "afxwin.h"
#include "picture_button.h"
#include "sample_mask.h"

// The mask group: MaskBlt tried on the two samples. The foreground operation is the window's
// code, the background one the code typed in the group's entry; the mask's 1 bits take the
// first, its 0 bits the second. It owns the mask; the panels it blits between are the window's.
// Its status line says what went wrong in the group, and clears as the entry changes.
class CMaskGroup : public CDialogGroup {
public:
    CMaskGroup(CWnd& window, SamplePanel& panel1, SamplePanel& panel2)
        : CDialogGroup(window), m_panels{&panel1, &panel2}, m_picture(m_mask) {}

    void AttachControls(CDataExchange* pDX) override;
    // The mask at the button's size with its default disc, and "D" in the entry.
    void SetUp() override;
    void OnScaleChanged(UINT dpi) override;
    void Invalidate() const { m_picture.Invalidate(); }
    // The quaternary code as both halves stand now, with what it does; empty while the entry
    // cannot be read.
    void ShowRop4();

protected:
    void OnMaskBlt1To2() { MaskBltOnto(1); }
    void OnMaskBlt2To1() { MaskBltOnto(0); }
    void OnInvert();
    void OnFrom1();
    void OnDefaultPicture();
    void OnBackgroundEdited();
    DECLARE_MESSAGE_MAP()

private:
    void MaskBltOnto(int nDestination);
    void Report(BOOL done, const char* fault);

    SamplePanel* m_panels[2];
    SampleMask m_mask;
    CPictureButton m_picture;
    CStatusLine m_status;
};
