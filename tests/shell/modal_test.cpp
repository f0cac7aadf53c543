#include "modal_test.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ui_test.h"

namespace {

constexpr DWORD kPatience = 10000;
// A window shown without a window manager may take a while to become active.
constexpr DWORD kActivationPatience = 5000;

// Tick counts wrap after 49 days, so only differences of them are compared.
bool HasWaited(DWORD since, DWORD patience) { return ::GetTickCount() - since > patience; }

struct PendingAction {
    std::string caption;
    std::function<void(HWND)> action;
    DWORD askedAt;
    HWND window = nullptr;
    DWORD shownAt = 0;
};

// A window whose action has run and that should therefore be going.
struct Closing {
    HWND window;
    std::string caption;
    DWORD actedAt;
};

std::vector<std::shared_ptr<PendingAction>> g_pending;
std::vector<Closing> g_closing;
UINT_PTR g_timer = 0;

template <typename Visit>
void ForEachShownWindow(Visit visit) {
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM visitor) -> BOOL {
            if (::IsWindowVisible(window)) (*reinterpret_cast<Visit*>(visitor))(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&visit));
}

HWND FindShownWindow(const std::string& caption) {
    HWND found = nullptr;
    ForEachShownWindow([&](HWND window) {
        if (!found && WindowText(window) == caption) found = window;
    });
    return found;
}

void CancelEveryDialog() {
    ForEachShownWindow([](HWND window) { ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0); });
}

void Take(const std::shared_ptr<PendingAction>& pending) {
    for (auto it = g_pending.begin(); it != g_pending.end(); ++it) {
        if (*it == pending) {
            g_pending.erase(it);
            return;
        }
    }
}

// Shown, and active (or given up waiting for that).
bool IsReady(PendingAction& pending) {
    HWND window = FindShownWindow(pending.caption);
    if (!window) return false;
    if (window != pending.window) {
        pending.window = window;
        pending.shownAt = ::GetTickCount();
    }
    return ::GetActiveWindow() == window || HasWaited(pending.shownAt, kActivationPatience);
}

void CloseWindowsThatStayed() {
    for (auto it = g_closing.begin(); it != g_closing.end();) {
        if (!::IsWindow(it->window)) {
            it = g_closing.erase(it);
        } else if (HasWaited(it->actedAt, kPatience)) {
            ADD_FAILURE() << "\"" << it->caption << "\" is still open after its action";
            ::PostMessageA(it->window, WM_COMMAND, IDCANCEL, 0);
            it = g_closing.erase(it);
        } else {
            ++it;
        }
    }
}

// Re-entered when an action runs a modal loop of its own; each action is taken off the list
// before it runs, so it runs once.
void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    const auto snapshot = g_pending;
    for (const auto& pending : snapshot) {
        const bool ready = IsReady(*pending);
        if (!ready && !HasWaited(pending->askedAt, kPatience)) continue;
        Take(pending);
        if (!ready) {
            ADD_FAILURE() << "no window \"" << pending->caption << "\" showed";
            CancelEveryDialog();
            continue;
        }
        try {
            pending->action(pending->window);
        } catch (...) {
            ADD_FAILURE() << "the action for \"" << pending->caption << "\" threw";
        }
        if (::IsWindow(pending->window))
            g_closing.push_back({pending->window, pending->caption, ::GetTickCount()});
    }
    CloseWindowsThatStayed();
    if (g_pending.empty() && g_closing.empty() && g_timer) {
        ::KillTimer(nullptr, g_timer);
        g_timer = 0;
    }
}

}  // namespace

void WhenWindowShows(const std::string& caption, std::function<void(HWND)> action) {
    g_pending.push_back(std::make_shared<PendingAction>(
        PendingAction{caption, std::move(action), ::GetTickCount()}));
    if (!g_timer) g_timer = ::SetTimer(nullptr, 0, 20, OnTimer);
}

void PressKey(UINT virtualKey) {
    HWND focus = ::GetFocus();
    ASSERT_NE(focus, nullptr) << "nothing has the focus";
    ::PostMessageA(focus, WM_KEYDOWN, virtualKey, 1);
    ::PostMessageA(focus, WM_KEYUP, virtualKey, 0xC0000001);
}

int CountWindows(const std::string& caption) {
    int count = 0;
    ForEachShownWindow([&](HWND window) {
        if (WindowText(window) == caption) ++count;
    });
    return count;
}
