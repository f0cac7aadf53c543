#pragma once

#include "afxwin.h"

class CVelmarDlg : public CDialog {
public:
    explicit CVelmarDlg(CWnd* pParent = nullptr);

protected:
    DECLARE_MESSAGE_MAP()
};
