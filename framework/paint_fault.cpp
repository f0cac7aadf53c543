#include "paint_fault.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "exception_report.h"

namespace {

// Per window: one window's shortage says nothing of another's, and a window that goes before its
// report arrives takes its state with it.
struct PaintFaultState {
    HWND window;
    bool pending;
    bool reported;
    CExceptionReport report;
};

std::vector<PaintFaultState>& States() {
    static std::vector<PaintFaultState> states;
    return states;
}

PaintFaultState* StateOf(HWND hWnd) {
    auto& states = States();
    const auto it = std::find_if(states.begin(), states.end(), [&](const PaintFaultState& state) {
        return state.window == hWnd;
    });
    return it == states.end() ? nullptr : &*it;
}

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
        PaintFaultState* state = StateOf(hWnd);
        if (!state) {
            States().push_back({hWnd, false, false, {}});
            state = &States().back();
        }
        if (state->reported || state->pending) return;
        state->report = CExceptionReport::OfCurrentException();
        state->pending = true;
        ::PostMessageA(hWnd, AfxPaintFaultMessage(), 0, 0);
    } catch (...) {
    }
}

UINT AfxPaintFaultMessage() {
    static const UINT message = ::RegisterWindowMessageA("Afx.Framework.PaintFault");
    return message;
}

void AfxReportDeferredPaintFault(HWND hWnd) {
    PaintFaultState* state = StateOf(hWnd);
    if (!state || !state->pending) return;
    const CExceptionReport report = std::move(state->report);
    state->pending = false;
    state->reported = true;
    // Reporting can itself fail (no memory for the box); nothing may escape from here.
    try {
        report.Show();
    } catch (...) {
    }
}

void AfxForgetPaintFaults(HWND hWnd) {
    auto& states = States();
    states.erase(std::remove_if(states.begin(), states.end(),
                                [&](const PaintFaultState& state) { return state.window == hWnd; }),
                 states.end());
}
