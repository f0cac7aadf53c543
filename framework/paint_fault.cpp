#include "paint_fault.h"

#include <exception>
#include <utility>

#include "exceptions.h"

namespace {

std::exception_ptr g_pending;
bool g_reported = false;

void DrawFallback(HWND hWnd, UINT message, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        // The system's own brushes are never made anew, so this cannot fail for want of handles.
        if (item && item->hDC)
            ::FillRect(item->hDC, &item->rcItem, ::GetSysColorBrush(COLOR_WINDOW));
    } else if (message == WM_PAINT) {
        // Whatever was not painted is given up, or WM_PAINT would come back at once, for ever.
        ::ValidateRect(hWnd, nullptr);
    }
}

}  // namespace

bool AfxIsPaintMessage(UINT message) {
    return message == WM_PAINT || message == WM_DRAWITEM || message == WM_MEASUREITEM ||
           message == WM_ERASEBKGND;
}

void AfxDeferPaintFault(HWND hWnd, UINT message, LPARAM lParam) {
    try {
        DrawFallback(hWnd, message, lParam);
        if (g_reported || g_pending) return;
        g_pending = std::current_exception();
        ::PostMessageA(hWnd, AfxPaintFaultMessage(), 0, 0);
    } catch (...) {
    }
}

UINT AfxPaintFaultMessage() {
    static const UINT message = ::RegisterWindowMessageA("Afx.Framework.PaintFault");
    return message;
}

void AfxReportDeferredPaintFault() {
    if (!g_pending) return;
    const std::exception_ptr fault = std::exchange(g_pending, nullptr);
    g_reported = true;
    try {
        std::rethrow_exception(fault);
    } catch (...) {
        AfxReportWindowProcException();
    }
}
