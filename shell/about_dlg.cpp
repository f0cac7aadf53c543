#include "about_dlg.h"

#include "resource.h"
#include "run_modal_once.h"
#include "shell_open.h"
#include "shell_open_error_text.h"
#include "version_info.h"
#include "web_site.h"
#include "window_caption.h"

CDialog* CAboutDlg::s_pRunning = nullptr;

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
ON_BN_CLICKED(IDC_ABOUT_WEB_SITE, &CAboutDlg::OnWebSite)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(CWnd* pParent)
    : CDialog(IDD_ABOUTBOX, pParent), m_strWebSite(VELMAR_WEB_SITE) {
    const CVersionInfo version;
    m_strDescription = version.GetStringW("FileDescription");
    m_strNameVersion = version.GetStringW("ProductName");
    m_strNameVersion += L" v";
    m_strNameVersion += version.GetStringW("ProductVersion");
    m_strLegalNotice = version.GetStringW("LegalCopyright");
}

INT_PTR CAboutDlg::DoModal() { return RunModalOnce(this, s_pRunning); }

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_ABOUT_DESCRIPTION, m_strDescription);
    DDX_Text(pDX, IDC_ABOUT_NAME_VERSION, m_strNameVersion);
    DDX_Text(pDX, IDC_ABOUT_LEGAL, m_strLegalNotice);
}

BOOL CAboutDlg::OnInitDialog() {
    FillCaptionPlaceholder(*this, AfxGetAppName());
    // The focus goes to the first tab stop, "OK".
    return CDialog::OnInitDialog();
}

void CAboutDlg::OnWebSite() {
    const ShellOpenOutcome outcome = ShellOpen(this, m_strWebSite);
    if (outcome.opened || outcome.cancelled) return;
    AfxMessageBox(GetShellOpenErrorText(outcome.error, m_strWebSite), MB_ICONEXCLAMATION | MB_OK,
                  0);
}
