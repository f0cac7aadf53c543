#include "wnd.h"

#include <utility>
#include <vector>

#include "data_exchange.h"
#include "dpi.h"
#include "exceptions.h"
#include "paint_fault.h"
#include "start_monitor.h"

CWnd::~CWnd() {
    // A window that outlives its object gets its own procedure back.
    if (m_pfnSuper && ::IsWindow(m_hWnd))
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    if (m_hWnd) Detach();
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) return FALSE;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (!wnd || !wnd->m_pfnSuper) return ::DefWindowProcA(hWnd, message, wParam, lParam);
    const WNDPROC super = wnd->m_pfnSuper;
    if (message == AfxPaintFaultMessage()) {
        AfxReportDeferredPaintFault(hWnd);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        AfxForgetPaintFaults(hWnd);
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
        wnd->m_pfnSuper = nullptr;
        wnd->Detach();
        return ::CallWindowProcA(super, hWnd, message, wParam, lParam);
    }
    try {
        LRESULT result = 0;
        if (wnd->OnWndMsg(message, wParam, lParam, &result)) return result;
    } catch (...) {
        if (AfxIsPaintMessage(message))
            AfxDeferPaintFault(hWnd, message, lParam);
        else
            AfxReportWindowProcException();
        return 0;
    }
    return ::CallWindowProcA(super, hWnd, message, wParam, lParam);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    return UpdateData(bSaveAndValidate, [this](CDataExchange* pDX) { DoDataExchange(pDX); });
}

void AfxReportDataExchangeFault() {
    try {
        throw;
    } catch (const CUserException&) {
        // The failed field has already told the user.
    } catch (const CException& e) {
        e.ReportError(MB_ICONEXCLAMATION);
    } catch (const std::bad_alloc&) {
        CMemoryException().ReportError(MB_ICONEXCLAMATION);
    }
}

void AfxGotoDlgCtrl(HWND control) {
    ::SendMessageA(::GetParent(control), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

void CWnd::SetWindowText(LPCSTR text) { ::SetWindowTextA(m_hWnd, text); }

CString CWnd::GetWindowText() const {
    const int length = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1);
    const int copied = ::GetWindowTextA(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return CString(buffer.data(), copied > 0 ? copied : 0);
}

BOOL CWnd::InvalidateRect(const RECT* rect, BOOL bErase) const {
    return ::InvalidateRect(m_hWnd, rect, bErase);
}

namespace {

RECT WindowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

bool SameSize(const RECT& a, const RECT& b) {
    return a.right - a.left == b.right - b.left && a.bottom - a.top == b.bottom - b.top;
}

void MoveTo(HWND window, int x, int y) {
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The whole window on its monitor's work area where it fits; where it does not, its top left
// corner (the caption) stays on it.
void KeepInsideWorkArea(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT& area = monitor.rcWork;
    const RECT rect = WindowRect(window);
    int x = rect.left, y = rect.top;
    if (x + (rect.right - rect.left) > area.right) x = area.right - (rect.right - rect.left);
    if (y + (rect.bottom - rect.top) > area.bottom) y = area.bottom - (rect.bottom - rect.top);
    if (x < area.left) x = area.left;
    if (y < area.top) y = area.top;
    if (x != rect.left || y != rect.top) MoveTo(window, x, y);
}

}  // namespace

void CWnd::CenterOnce(CWnd* pAlternateOwner) {
    HWND owner = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    RECT area;
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &area);
    } else {
        area = AfxGetStartMonitorWorkArea();
    }
    const RECT window = WindowRect(m_hWnd);
    MoveTo(m_hWnd, area.left + (area.right - area.left - (window.right - window.left)) / 2,
           area.top + (area.bottom - area.top - (window.bottom - window.top)) / 2);
}

// A move onto a monitor of another scale makes the system give the window the size of that
// scale, grown from the corner it was placed at: centred at the old size, it would not be
// centred, and could reach under the taskbar. So it is centred again at the new size, then kept
// inside the work area.
void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    const RECT before = WindowRect(m_hWnd);
    const UINT dpiBefore = AfxGetWindowDpi(m_hWnd);
    CenterOnce(pAlternateOwner);
    if (!SameSize(before, WindowRect(m_hWnd)) || AfxGetWindowDpi(m_hWnd) != dpiBefore)
        CenterOnce(pAlternateOwner);
    KeepInsideWorkArea(m_hWnd);
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) { return OnCmdMsg(LOWORD(wParam), HIWORD(wParam)); }

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

void CWnd::RegisterAttachedControl(CWnd*) {}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (lpDrawItemStruct->CtlType == ODT_MENU) return;
    CWnd* control = FromHandlePermanent(lpDrawItemStruct->hwndItem);
    LRESULT result = 0;
    if (control &&
        control->OnChildNotify(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(lpDrawItemStruct), &result))
        return;
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (lpMeasureItemStruct->CtlType == ODT_MENU) return;
    HWND hControl = ::GetDlgItem(m_hWnd, static_cast<int>(lpMeasureItemStruct->CtlID));
    CWnd* control = FromHandlePermanent(hControl);
    LRESULT result = 0;
    if (control && control->OnChildNotify(WM_MEASUREITEM, 0,
                                          reinterpret_cast<LPARAM>(lpMeasureItemStruct), &result))
        return;
    Default();
}

LRESULT CWnd::Default() {
    const MSG* current = m_pCurrentMessage;
    return current ? DefWindowProc(current->message, current->wParam, current->lParam) : 0;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const MSG current{m_hWnd, message, wParam, lParam, 0, {}};
    const MSG* outer = std::exchange(m_pCurrentMessage, &current);
    struct OuterMessage {
        CWnd* wnd;
        const MSG* outer;
        ~OuterMessage() { wnd->m_pCurrentMessage = outer; }
    } restoredOnReturn{this, outer};

    *pResult = 0;
    if (message == WM_COMMAND) return OnCommand(wParam, lParam);

    if (const AfxMsgHandler handler = FindHandler(message, 0, 0)) {
        *pResult = handler.Call(wParam, lParam);
    } else if (message == WM_DRAWITEM) {
        OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *pResult = TRUE;
    } else if (message == WM_MEASUREITEM) {
        OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        *pResult = TRUE;
    } else {
        return FALSE;
    }
    return TRUE;
}
