#pragma once

#include <windows.h>

#include <vector>

#include "wnd.h"

// A dialog built from a template in the resource module, run modally (DoModal) or modelessly
// (Create). Commands go to OnCommand, then the message map chain, then the application object.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the modal loop with the owner disabled; returns what EndDialog gave, -1 on failure.
    virtual INT_PTR DoModal();
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // While the dialog runs modally, every message for it or its controls passes here before the
    // dialog manager sees it; TRUE takes it (keys that act anywhere in the window, say).
    BOOL PreTranslateMessage(MSG* pMsg) override;

    BOOL OnCmdMsg(UINT nID, int nCode, bool bExecute = true) override;

    // A control attached by DDX_Control; detached again when the dialog's window goes.
    void RegisterAttachedControl(CWnd* control) override;
    // The dialog manager's own handling (DefDlgProc), which asks this dialog's procedure first:
    // that nested call is answered "not handled", so the handling does not come back here.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

protected:
    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleInitDialog();
    void HideHelpButtonWithoutHandler();
    void DetachAll();

    bool m_bModal = false;
    UINT m_nPassedToDefault = WM_NULL;  // the message DefWindowProc is handing to DefDlgProc
    bool m_bPassingToDefault = false;
    std::vector<CWnd*> m_attachedControls;
};
