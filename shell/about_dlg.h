#pragma once

#include <windows.h>

#include "afxwin.h"

// The About box: icon, name and version, legal notice and description from the program's own
// version resource, and a button that opens the maker's web site. At most one runs at a time.
class CAboutDlg : public CDialog {
public:
    // Reads the version resource; raises CResourceException when the program has none.
    explicit CAboutDlg(CWnd* pParent);

    // 1 for OK or Enter, 2 for Esc or Close; 3 at once, raising the open one, while another
    // About box runs.
    INT_PTR DoModal() override;

    // As the version resource holds them, in UTF-16, so they show in any script.
    CStringW m_strDescription;
    CStringW m_strNameVersion;
    CStringW m_strLegalNotice;
    // What the web-site button opens.
    CString m_strWebSite;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnWebSite();
    DECLARE_MESSAGE_MAP()

private:
    static CDialog* s_pRunning;
};
