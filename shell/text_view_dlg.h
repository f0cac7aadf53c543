#pragma once

#include <windows.h>

#include "afxwin.h"

// Shows a read-only, scrollable text resource of type "TXT" (the help text) under the caption
// "<application> Help". At most one runs at a time.
class CTextViewDlg : public CDialog {
public:
    // The resource name must outlive the dialog.
    CTextViewDlg(CWnd* pParent, LPCSTR lpszResourceName);

    // 2 for every way of closing it; 3 at once, raising the open one, while another viewer runs.
    INT_PTR DoModal() override;

    CEdit m_edit;
    LPCSTR m_pszResourceName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP()

private:
    static CDialog* s_pRunning;
};
