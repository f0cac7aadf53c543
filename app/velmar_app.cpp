#include "velmar_app.h"

#include <new>

#include "about_dlg.h"
#include "ole_apartment.h"
#include "resource.h"
#include "settings_file.h"
#include "text_view_dlg.h"
#include "velmar_dlg.h"
#include "version_info.h"

CVelmarApp theApp;

BEGIN_MESSAGE_MAP(CVelmarApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, &CVelmarApp::OnAppAbout)
ON_COMMAND(ID_HELP, &CVelmarApp::OnAppHelp)
END_MESSAGE_MAP()

namespace {

constexpr int kOldestMajorVersion = 4;

int SystemMajorVersion() { return LOBYTE(LOWORD(::GetVersion())); }

}  // namespace

BOOL CVelmarApp::InitInstance() {
    if (SystemMajorVersion() < kOldestMajorVersion) {
        AfxMessageBox(IDS_OS_TOO_OLD, MB_ICONSTOP | MB_OK);
        return FALSE;
    }
    const OleApartment ole;
    try {
        RunMainDialog();
    } catch (const CException& e) {
        e.ReportError(MB_ICONEXCLAMATION);
    } catch (const std::bad_alloc&) {
        CMemoryException().ReportError(MB_ICONEXCLAMATION);
    }
    m_pMainWnd = nullptr;
    return FALSE;
}

void CVelmarApp::RunMainDialog() {
    CVersionInfo version;
    CString company;
    SetRegistryKey(version.GetCompanyWord(company));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(version.QueryValue("\\"));
    m_settings.m_dwVersion = fixed ? fixed->dwProductVersionMS : 0;
    m_settings.SetKeyPath(nullptr);
    m_settings.m_strSettingsFile = SettingsFileBesideProgram();
    m_settings.Initialize();

    CVelmarDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
}

CWnd* CVelmarApp::SecondaryDialogOwner() const {
    if (!m_pMainWnd || !m_pMainWnd->m_hWnd) return nullptr;
    return CWnd::FromHandle(::GetLastActivePopup(m_pMainWnd->m_hWnd));
}

void CVelmarApp::OnAppAbout() {
    CAboutDlg dlg(SecondaryDialogOwner());
    dlg.DoModal();
}

void CVelmarApp::OnAppHelp() {
    CTextViewDlg dlg(SecondaryDialogOwner(), "HELP");
    dlg.DoModal();
}
