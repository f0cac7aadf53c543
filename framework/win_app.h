#pragma once

#include <windows.h>

#include "cmd_target.h"
#include "cstring.h"

class CWnd;

// The application object. A program defines exactly one, as a global, so it exists before the
// entry point runs; the entry point initialises it and calls InitInstance.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // The whole run of the program; a dialog-based program runs its main dialog here and returns
    // FALSE (the framework has no message loop of its own).
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // Names the registry key and takes the application title as the profile name.
    void SetRegistryKey(LPCSTR lpszRegistryKey);

    LPCSTR m_pszAppName = nullptr;
    LPCSTR m_pszRegistryKey = nullptr;
    LPCSTR m_pszProfileName = nullptr;
    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;

protected:
    DECLARE_MESSAGE_MAP()

private:
    friend BOOL AfxWinInit(HINSTANCE hInstance);
    CString m_strAppName;
    CString m_strRegistryKey;
    CString m_strProfileName;
};

CWinApp* AfxGetApp();
LPCSTR AfxGetAppName();
HINSTANCE AfxGetInstanceHandle();
// The module whose resources dialogs, strings and icons come from.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstance);

// Sets the module handles and, unless the constructor named it, the application title from string
// AFX_IDS_APP_TITLE. The entry point calls it; a test that has no entry point calls it itself.
BOOL AfxWinInit(HINSTANCE hInstance);

// The body of the program's entry point: initialise, InitInstance, then ExitInstance.
// No exception leaves it: one that reaches it is reported and the program ends.
int AfxWinMain(HINSTANCE hInstance);
