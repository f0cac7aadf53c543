#include "message_box.h"

#include "cstring.h"
#include "win_app.h"

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
    CWinApp* app = AfxGetApp();
    if (app) return app->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(::GetActiveWindow(), lpszText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    const CString text = AfxLoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp == UINT(-1) ? nIDPrompt : nIDHelp);
}
