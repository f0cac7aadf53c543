#include "velmar_dlg.h"

#include "resource.h"

BEGIN_MESSAGE_MAP(CVelmarDlg, CDialog)
END_MESSAGE_MAP()

CVelmarDlg::CVelmarDlg(CWnd* pParent) : CDialog(IDD_VELMAR_DIALOG, pParent) {}
