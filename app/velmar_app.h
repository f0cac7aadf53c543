#pragma once

#include "afxwin.h"

class CVelmarApp : public CWinApp {
public:
    CVelmarApp() = default;
    BOOL InitInstance() override;

protected:
    void OnAppAbout();
    void OnAppHelp();
    DECLARE_MESSAGE_MAP()
};

extern CVelmarApp theApp;
