#include "panel_dialog.h"

#include "ui_test.h"

BEGIN_MESSAGE_MAP(CPanelTestDlg, CDialog)
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

void CPanelTestDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_PATTERN_COLOR1, m_comboPattern1);
    DDX_Control(pDX, IDC_BK_COLOR1, m_comboBk1);
    DDX_Control(pDX, IDC_TEXT_COLOR1, m_comboText1);
}

void CPanelTestDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    const bool picture = nIDCtl == IDC_PICTURE1 || nIDCtl == IDC_PICTURE2;
    if (picture && (lpDrawItemStruct->itemAction & ODA_DRAWENTIRE)) {
        m_panels[nIDCtl - IDC_PICTURE1].m_picture.Draw(*lpDrawItemStruct);
        return;
    }
    CDialog::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void CPanelTestDlg::ShowAndPaint() {
    ShowWindow(SW_SHOWNORMAL);
    ::UpdateWindow(m_hWnd);
    PumpUntil([this] { return ::IsWindowVisible(m_hWnd) != FALSE; });
    RepaintPictures();
}

void CPanelTestDlg::RepaintPictures() {
    for (int id : {IDC_PICTURE1, IDC_PICTURE2}) {
        ::InvalidateRect(Item(id), nullptr, FALSE);
        ::UpdateWindow(Item(id));
    }
    PumpMessages();
}

SIZE RealPanelSize() {
    static const SIZE size = [] {
        CDialog dialog(IDD_VELMAR_DIALOG);
        dialog.Create(IDD_VELMAR_DIALOG);
        RECT client{};
        ::GetClientRect(::GetDlgItem(dialog.m_hWnd, IDC_PICTURE1), &client);
        return SIZE{client.right - client.left, client.bottom - client.top};
    }();
    return size;
}
