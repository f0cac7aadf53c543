#include "text_view_dlg.h"

#include "resource.h"
#include "run_modal_once.h"
#include "text_resource.h"
#include "window_caption.h"

CDialog* CTextViewDlg::s_pRunning = nullptr;

BEGIN_MESSAGE_MAP(CTextViewDlg, CDialog)
END_MESSAGE_MAP()

CTextViewDlg::CTextViewDlg(CWnd* pParent, LPCSTR lpszResourceName)
    : CDialog(IDD_TEXT_VIEW, pParent), m_pszResourceName(lpszResourceName) {}

INT_PTR CTextViewDlg::DoModal() { return RunModalOnce(this, s_pRunning); }

void CTextViewDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_TEXT_VIEW_EDIT, m_edit);
}

BOOL CTextViewDlg::OnInitDialog() {
    if (!CDialog::OnInitDialog()) return FALSE;
    FillCaptionPlaceholder(*this, AfxGetAppName());
    // A missing text raises out of here; the dialog still runs, with an empty text, after the
    // report.
    SetWindowTextFromResource(&m_edit, m_pszResourceName, "TXT");
    // The focus goes to the first tab stop, "&Close"; the text shows from its first line.
    return TRUE;
}
