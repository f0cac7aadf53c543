#include "framework_test_app.h"

#include "test_dialog.h"

CFrameworkTestApp theTestApp;

BEGIN_MESSAGE_MAP(CFrameworkTestApp, CWinApp)
ON_COMMAND(ID_TEST_APP_ONLY, &CFrameworkTestApp::OnAppOnly)
END_MESSAGE_MAP()
