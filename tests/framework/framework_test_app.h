#pragma once

#include "afxwin.h"

// The test program's application object: it takes one command that no dialog handles, so
// tests can see commands routed from a dialog to the application.
class CFrameworkTestApp : public CWinApp {
public:
    int m_appCommands = 0;

protected:
    void OnAppOnly() { ++m_appCommands; }
    DECLARE_MESSAGE_MAP()
};

extern CFrameworkTestApp theTestApp;
