#include "dialog.h"

#include <utility>

#include "exceptions.h"
#include "framework_ids.h"
#include "paint_fault.h"
#include "win_app.h"

namespace {

// The dialog whose window is being made on this thread. Its procedure hears from the window
// before WM_INITDIALOG, which alone carries the object: WM_SETFONT, and WM_MEASUREITEM from
// owner-drawn controls as they are made.
thread_local CDialog* t_pDialogBeingMade = nullptr;

class DialogBeingMade {
public:
    explicit DialogBeingMade(CDialog* dialog) : m_outer(t_pDialogBeingMade) {
        t_pDialogBeingMade = dialog;
    }
    ~DialogBeingMade() { t_pDialogBeingMade = m_outer; }
    DialogBeingMade(const DialogBeingMade&) = delete;
    DialogBeingMade& operator=(const DialogBeingMade&) = delete;

private:
    CDialog* m_outer;
};

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    DetachAll();
}

BOOL CDialog::PreTranslateMessage(MSG*) { return FALSE; }

namespace {

// The system's modal dialog loop offers each message to this hook first (MSGF_DIALOGBOX); the
// dialog that holds the message's window may take it.
LRESULT CALLBACK ModalMessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX) {
        auto* msg = reinterpret_cast<MSG*>(lParam);
        HWND top = msg && msg->hwnd ? ::GetAncestor(msg->hwnd, GA_ROOT) : nullptr;
        CWnd* window = CWnd::FromHandlePermanent(top);
        try {
            if (window && window->PreTranslateMessage(msg)) return TRUE;
        } catch (...) {
            AfxReportWindowProcException();
            return TRUE;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class ModalMessageFilterHook {
public:
    ModalMessageFilterHook()
        : m_hook(::SetWindowsHookExA(WH_MSGFILTER, ModalMessageFilter, nullptr,
                                     ::GetCurrentThreadId())) {}
    ~ModalMessageFilterHook() {
        if (m_hook) ::UnhookWindowsHookEx(m_hook);
    }
    ModalMessageFilterHook(const ModalMessageFilterHook&) = delete;
    ModalMessageFilterHook& operator=(const ModalMessageFilterHook&) = delete;

private:
    HHOOK m_hook;
};

}  // namespace

INT_PTR CDialog::DoModal() {
    m_bModal = true;
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    const DialogBeingMade making(this);
    const ModalMessageFilterHook filter;
    const INT_PTR result =
        ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                          DialogProc, reinterpret_cast<LPARAM>(this));
    m_bModal = false;
    return result;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    HWND owner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    const DialogBeingMade making(this);
    return ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDTemplate), owner,
                                DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

BOOL CDialog::OnInitDialog() {
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, bool bExecute) {
    if (CWnd::OnCmdMsg(nID, nCode, bExecute)) return TRUE;
    // Commands (not control notifications) that the dialog does not take go to the application.
    CWinApp* app = AfxGetApp();
    return nCode == 0 && app && app->OnCmdMsg(nID, nCode, bExecute);
}

void CDialog::RegisterAttachedControl(CWnd* control) { m_attachedControls.push_back(control); }

void CDialog::DetachAll() {
    for (CWnd* control : m_attachedControls) control->Detach();
    m_attachedControls.clear();
    Detach();
}

void CDialog::HideHelpButtonWithoutHandler() {
    HWND help = ::GetDlgItem(m_hWnd, ID_HELP);
    if (help && !OnCmdMsg(ID_HELP, 0, false)) ::ShowWindow(help, SW_HIDE);
}

INT_PTR CDialog::HandleInitDialog() {
    HideHelpButtonWithoutHandler();
    BOOL result = TRUE;
    try {
        result = OnInitDialog();
    } catch (...) {
        AfxReportWindowProcException();
    }
    if (m_bModal) CenterWindow(m_pParentWnd);
    return result;
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const UINT outerMessage = std::exchange(m_nPassedToDefault, message);
    const bool outerPassing = std::exchange(m_bPassingToDefault, true);
    const LRESULT result = ::DefDlgProcA(m_hWnd, message, wParam, lParam);
    m_nPassedToDefault = outerMessage;
    m_bPassingToDefault = outerPassing;
    return result;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog = static_cast<CDialog*>(FromHandlePermanent(hWnd));
    if (!dialog && t_pDialogBeingMade && !t_pDialogBeingMade->m_hWnd) {
        dialog = std::exchange(t_pDialogBeingMade, nullptr);
        dialog->Attach(hWnd);
    }
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->Attach(hWnd);
        return dialog->HandleInitDialog();
    }
    if (!dialog) return FALSE;
    if (dialog->m_bPassingToDefault && dialog->m_nPassedToDefault == message) {
        dialog->m_bPassingToDefault = false;
        return FALSE;
    }
    if (message == AfxPaintFaultMessage()) {
        AfxReportDeferredPaintFault(hWnd);
        return TRUE;
    }

    if (message == WM_NCDESTROY) {
        AfxForgetPaintFaults(hWnd);
        dialog->DetachAll();
        return FALSE;
    }

    try {
        LRESULT result = 0;
        if (!dialog->OnWndMsg(message, wParam, lParam, &result)) return FALSE;
        switch (message) {
            // These return their value directly from a dialog procedure.
            case WM_QUERYDRAGICON:
            case WM_CTLCOLORBTN:
            case WM_CTLCOLORDLG:
            case WM_CTLCOLOREDIT:
            case WM_CTLCOLORLISTBOX:
            case WM_CTLCOLORSCROLLBAR:
            case WM_CTLCOLORSTATIC:
            case WM_COMPAREITEM:
            case WM_VKEYTOITEM:
            case WM_CHARTOITEM:
                return static_cast<INT_PTR>(result);
            default:
                ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
                return TRUE;
        }
    } catch (...) {
        if (AfxIsPaintMessage(message))
            AfxDeferPaintFault(hWnd, message, lParam);
        else
            AfxReportWindowProcException();
        return TRUE;
    }
}
