#pragma once

#include "afxwin.h"
#include "color_combo.h"
#include "resource.h"
#include "test_panel.h"

// The real main-window template with two panels behind its picture buttons, drawn as the main
// window draws them, and the "Bitmap 1" pickers attached to colour combos.
class CPanelTestDlg : public CDialog {
public:
    CPanelTestDlg() : CDialog(IDD_VELMAR_DIALOG) {}
    BOOL Create() { return CDialog::Create(IDD_VELMAR_DIALOG); }

    TestPanel m_panels[2];
    CColorCombo m_comboPattern1;
    CColorCombo m_comboBk1;
    CColorCombo m_comboText1;

    HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }
    // Shows the dialog and waits until both pictures have been painted.
    void ShowAndPaint();
    // Repaints both picture buttons now.
    void RepaintPictures();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    DECLARE_MESSAGE_MAP()
};

// The client size of the real picture buttons, the size of a panel's bitmap.
SIZE RealPanelSize();
