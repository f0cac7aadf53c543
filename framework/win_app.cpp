#include "win_app.h"

#include <commctrl.h>

#include "exceptions.h"
#include "framework_ids.h"
#include "start_monitor.h"
#include "wnd.h"

namespace {
CWinApp* g_app = nullptr;
HINSTANCE g_instance = nullptr;
HINSTANCE g_resources = nullptr;
}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR lpszAppName) {
    if (lpszAppName) {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT) {
    HWND owner = ::GetActiveWindow();
    if (m_pMainWnd && ::IsWindow(m_pMainWnd->m_hWnd))
        owner = ::GetLastActivePopup(m_pMainWnd->m_hWnd);
    if ((nType & MB_ICONMASK) == 0) {
        const UINT buttons = nType & MB_TYPEMASK;
        nType |=
            (buttons == MB_OK || buttons == MB_OKCANCEL) ? MB_ICONEXCLAMATION : MB_ICONQUESTION;
    }
    return ::MessageBoxA(owner, lpszPrompt, m_pszAppName, nType);
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey) {
    m_strRegistryKey = lpszRegistryKey ? lpszRegistryKey : "";
    m_pszRegistryKey = m_strRegistryKey;
    m_strProfileName = m_pszAppName ? m_pszAppName : "";
    m_pszProfileName = m_strProfileName;
}

CWinApp* AfxGetApp() { return g_app; }

LPCSTR AfxGetAppName() { return g_app && g_app->m_pszAppName ? g_app->m_pszAppName : ""; }

HINSTANCE AfxGetInstanceHandle() { return g_instance ? g_instance : ::GetModuleHandleA(nullptr); }

HINSTANCE AfxGetResourceHandle() { return g_resources ? g_resources : AfxGetInstanceHandle(); }

void AfxSetResourceHandle(HINSTANCE hInstance) { g_resources = hInstance; }

BOOL AfxWinInit(HINSTANCE hInstance) {
    // Before any window of the program's own comes to the front.
    AfxGetStartMonitorWorkArea();
    // The common controls that dialog templates name by class (up-down arrows) exist only once
    // registered; with the manifest's version 6 they are themed.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&controls);
    g_instance = hInstance;
    if (!g_resources) g_resources = hInstance;
    if (!g_app) return FALSE;
    g_app->m_hInstance = hInstance;
    if (!g_app->m_pszAppName) {
        g_app->m_strAppName.LoadString(AFX_IDS_APP_TITLE);
        g_app->m_pszAppName = g_app->m_strAppName;
    }
    return TRUE;
}

int AfxWinMain(HINSTANCE hInstance) {
    try {
        if (!AfxWinInit(hInstance)) return -1;
        CWinApp* app = AfxGetApp();
        app->InitInstance();
        return app->ExitInstance();
    } catch (...) {
        AfxReportWindowProcException();
        return -1;
    }
}
