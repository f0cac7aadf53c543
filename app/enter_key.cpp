// Enter in the main window. No button is the window's default, so the dialog manager turns Enter
// into IDOK (or, on a push button that has the focus, into that button's click). What it does is
// decided by where the focus is, never by the key's state: keys that automation tools post, and
// keys typed ahead while the window was busy, leave the key state behind the message.
#include "resource.h"
#include "velmar_dlg.h"

namespace {

bool IsPushButton(HWND window) {
    const auto code = ::SendMessageA(window, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

}  // namespace

// In Hex, the typed code is kept (its sync ran as it was typed); in Expression it is Set; on a
// push button it is that button's click, as Windows does; anywhere else there is nothing to do.
void CVelmarDlg::OnOK() {
    HWND focus = ::GetFocus();
    if (!focus || !::IsChild(m_hWnd, focus)) return;
    if (focus == ::GetDlgItem(m_hWnd, IDC_EXPRESSION)) {
        OnSetExpression();
    } else if (IsPushButton(focus) && ::IsWindowEnabled(focus)) {
        SendMessage(WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(focus), BN_CLICKED),
                    reinterpret_cast<LPARAM>(focus));
    }
}

// Set is the default button while the Expression field has the focus, so a screen reader says
// what Enter will do there; elsewhere no button is.
void CVelmarDlg::OnExpressionFocus() { SendMessage(DM_SETDEFID, IDC_EXPRESSION_SET); }

void CVelmarDlg::OnExpressionFocusLost() { SendMessage(DM_SETDEFID, IDOK); }
