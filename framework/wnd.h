#pragma once

#include <windows.h>

#include "cmd_target.h"
#include "cstring.h"
#include "data_exchange.h"

// A window object that wraps a handle. Objects that own their window ("permanent" ones: dialogs
// and controls attached through the data exchange) are found again by FromHandle; for any other
// handle FromHandle gives a temporary wrapper.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Takes over a control's window procedure: its messages go through this object's message map
    // first, and what the map does not take (or a handler leaves to Default) goes on to the
    // control's own procedure. Undone when the control goes.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Data exchange between the window's controls and its members.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // The same for part of them: exchange(CDataExchange*) runs in place of DoDataExchange.
    template <typename Exchange>
    BOOL UpdateData(BOOL bSaveAndValidate, Exchange exchange);

    // Thin forwards to USER32, named as the framework names them.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    CWnd* GetDlgItem(int nID) const;
    void SetWindowText(LPCSTR text);
    CString GetWindowText() const;
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    BOOL InvalidateRect(const RECT* rect, BOOL bErase = TRUE) const;
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
    CWnd* GetLastActivePopup() const { return FromHandle(::GetLastActivePopup(m_hWnd)); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    UINT IsDlgButtonChecked(int nID) const { return ::IsDlgButtonChecked(m_hWnd, nID); }
    void CheckDlgButton(int nID, UINT nCheck) { ::CheckDlgButton(m_hWnd, nID, nCheck); }
    void SetDlgItemText(int nID, LPCSTR text) { ::SetDlgItemTextA(m_hWnd, nID, text); }
    // Over the owner; without a visible one, in the work area of the monitor the program was
    // started from. Always inside the work area of the monitor it lands on, where it fits.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    BOOL DestroyWindow();

    virtual void DoDataExchange(CDataExchange* pDX);
    // Runs before the message map for every WM_COMMAND; TRUE when the command was handled.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A message the parent passes back to the control it came from (owner drawing and measuring).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // While a dialog runs modally, every message for a window under this top-level window passes
    // here before the dialog manager sees it; TRUE takes it. Only dialogs take any.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // A control that DDX_Control attached during this window's data exchange. A dialog detaches
    // its controls when its window goes; any other window keeps no list.
    virtual void RegisterAttachedControl(CWnd* control);

    // Default handlers that handlers of derived classes may call.
    void OnPaint() { Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    // The system's default processing of the message being handled, run now; its answer is for
    // the handler to return, or to build on (`Default() | DLGC_WANTARROWS`). What a handler
    // returns is always the window's answer.
    LRESULT Default();
    // The window's own procedure (a control's, for a window taken over), or DefWindowProc.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Dispatches one message through OnCommand and the message map. FALSE when nothing handled it
    // (or a handler asked for the default), so the caller runs the system's default processing.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void CenterOnce(CWnd* pAlternateOwner);

    WNDPROC m_pfnSuper = nullptr;
    const MSG* m_pCurrentMessage = nullptr;  // while a handler runs: for Default()
};

// Inside a catch block of a data exchange: a failed field has told the user already; any other
// framework fault is reported. Anything else goes on.
void AfxReportDataExchangeFault();

template <typename Exchange>
BOOL CWnd::UpdateData(BOOL bSaveAndValidate, Exchange exchange) {
    CDataExchange dx(this, bSaveAndValidate);
    try {
        exchange(&dx);
        return TRUE;
    } catch (...) {
        AfxReportDataExchangeFault();
    }
    return FALSE;
}

// Moves the focus to a control of a dialog as the dialog manager does (WM_NEXTDLGCTL): the
// default button follows it, and an edit field's text is selected.
void AfxGotoDlgCtrl(HWND control);
