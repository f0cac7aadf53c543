#pragma once

#include <windows.h>

#include "cmd_target.h"
#include "data_exchange.h"
#include "wnd.h"

// Commit, act, load: a command on a window's data. The action runs even when the commit failed,
// which has then told the user already.
template <typename Action>
void AfxRunCommittedCommand(CWnd& window, Action action) {
    window.UpdateData(TRUE);
    action();
    window.UpdateData(FALSE);
}

// A group of a dialog's controls that owns its state and handles its own controls' commands
// through its own message map, to which the dialog's map chains (CHAIN_MSG_MAP_MEMBER). It knows
// the dialog only as a window; the dialog calls the steps below in its own data exchange.
class CDialogGroup : public CCmdTarget {
public:
    // Attaches the group's controls to their objects (DDX_Control): moves no data.
    virtual void AttachControls(CDataExchange*) {}
    // The first load: fills lists, makes pictures.
    virtual void SetUp() {}
    // The window is now laid out at this scale: what the system cannot scale is made anew.
    virtual void OnScaleChanged(UINT) {}

protected:
    explicit CDialogGroup(CWnd& window) : m_window(window) {}

    CWnd& Window() const { return m_window; }
    HWND Item(int nID) const { return ::GetDlgItem(m_window.m_hWnd, nID); }
    template <typename Action>
    void RunCommittedCommand(Action action) {
        AfxRunCommittedCommand(m_window, action);
    }

private:
    CWnd& m_window;
};
