#pragma once

#include "afxwin.h"
#include "app_settings.h"

// The application: checks the system, records its install path and version (in the registry,
// or in velmar.ini beside the program), then runs the main dialog. It also opens the About box
// and the help text for any window.
class CVelmarApp : public CWinApp {
public:
    CVelmarApp() = default;
    BOOL InitInstance() override;

    AppSettings m_settings;

protected:
    void OnAppAbout();
    void OnAppHelp();
    DECLARE_MESSAGE_MAP()

private:
    void RunMainDialog();
    CWnd* SecondaryDialogOwner() const;
};

extern CVelmarApp theApp;
