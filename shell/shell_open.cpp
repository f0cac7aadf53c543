#include "shell_open.h"

#include <objbase.h>
#include <shellapi.h>

namespace {

// The shell may hand the launch to extensions that are COM objects, so COM is set up for the
// call; a thread that has it already, in whatever form, keeps it as it is.
class ComForTheShell {
public:
    ComForTheShell()
        : m_result(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComForTheShell() {
        if (SUCCEEDED(m_result)) ::CoUninitialize();
    }
    ComForTheShell(const ComForTheShell&) = delete;
    ComForTheShell& operator=(const ComForTheShell&) = delete;

private:
    HRESULT m_result;
};

}  // namespace

HINSTANCE ShellOpen(CWnd* pOwner, LPCSTR lpszFile) {
    HWND owner = nullptr;
    if (pOwner) {
        owner = pOwner->m_hWnd;
    } else if (const CWinApp* app = AfxGetApp(); app && app->m_pMainWnd) {
        owner = app->m_pMainWnd->m_hWnd;
    }
    const ComForTheShell com;
    return ::ShellExecuteA(owner, nullptr, lpszFile, nullptr, nullptr, SW_SHOWDEFAULT);
}
