#include "shell_open.h"

#include <shellapi.h>

ShellOpenOutcome ShellOpen(CWnd* pOwner, LPCSTR lpszFile) {
    HWND owner = nullptr;
    if (pOwner) {
        owner = pOwner->m_hWnd;
    } else if (const CWinApp* app = AfxGetApp(); app && app->m_pMainWnd) {
        owner = app->m_pMainWnd->m_hWnd;
    }
    const CStringW file = AfxWidenText(lpszFile);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    // NOASYNC: the launch is finished when the call returns, as this thread may end right after.
    request.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    request.hwnd = owner;
    request.lpFile = file;
    request.nShow = SW_SHOWNORMAL;

    ShellOpenOutcome outcome;
    if (::ShellExecuteExW(&request)) {
        outcome.opened = true;
        return outcome;
    }
    outcome.cancelled = ::GetLastError() == ERROR_CANCELLED;
    const auto error = reinterpret_cast<INT_PTR>(request.hInstApp);
    outcome.error = error >= 0 && error <= 32 ? error : SE_ERR_NOASSOC;
    return outcome;
}
