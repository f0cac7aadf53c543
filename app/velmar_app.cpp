#include "velmar_app.h"

#include "velmar_dlg.h"

CVelmarApp theApp;

BEGIN_MESSAGE_MAP(CVelmarApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, &CVelmarApp::OnAppAbout)
ON_COMMAND(ID_HELP, &CVelmarApp::OnAppHelp)
END_MESSAGE_MAP()

BOOL CVelmarApp::InitInstance() {
    CVelmarDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

void CVelmarApp::OnAppAbout() {}

void CVelmarApp::OnAppHelp() {}
