#include "shell_open.h"

#include <shellapi.h>

HINSTANCE ShellOpen(CWnd* pOwner, LPCSTR lpszFile) {
    HWND owner = nullptr;
    if (pOwner) {
        owner = pOwner->m_hWnd;
    } else if (const CWinApp* app = AfxGetApp(); app && app->m_pMainWnd) {
        owner = app->m_pMainWnd->m_hWnd;
    }
    return ::ShellExecuteA(owner, nullptr, lpszFile, nullptr, nullptr, SW_SHOWDEFAULT);
}
