#include "wnd.h"

#include <algorithm>
#include <memory>
#include <vector>

// Which object speaks for a window: the objects that own their windows, and wrappers made on
// demand for the others.

namespace {

// The objects that own their windows, each found by its own handle: an object is listed from
// Attach to Detach, and m_hWnd changes nowhere else. A window has at most one object.
std::vector<CWnd*>& PermanentWindows() {
    static std::vector<CWnd*> windows;
    return windows;
}

// Wrappers for windows the program does not own, deleted with the list. Dead windows' wrappers
// are dropped on the next lookup, so the list stays as small as the set of live windows that
// were asked for. (Plain pointers, as the permanent list holds them: one kind of list in the
// program.)
class TemporaryWindows {
public:
    TemporaryWindows() = default;
    TemporaryWindows(const TemporaryWindows&) = delete;
    TemporaryWindows& operator=(const TemporaryWindows&) = delete;
    ~TemporaryWindows() {
        for (CWnd* wnd : m_windows) Delete(wnd);
    }

    CWnd* Find(HWND hWnd) {
        DropDead();
        for (CWnd* wnd : m_windows)
            if (wnd->m_hWnd == hWnd) return wnd;
        auto made = std::make_unique<CWnd>();
        m_windows.push_back(made.get());
        made->m_hWnd = hWnd;
        return made.release();
    }

private:
    void DropDead() {
        for (size_t i = 0; i < m_windows.size();) {
            if (::IsWindow(m_windows[i]->m_hWnd)) {
                ++i;
                continue;
            }
            Delete(m_windows[i]);
            m_windows[i] = m_windows.back();
            m_windows.pop_back();
        }
    }

    // Without its handle, the wrapper's destructor leaves the permanent list alone, which may
    // be gone already at the end of the run.
    static void Delete(CWnd* wnd) {
        wnd->m_hWnd = nullptr;
        delete wnd;
    }

    std::vector<CWnd*> m_windows;
};

}  // namespace

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    if (!hWnd) return nullptr;
    for (CWnd* wnd : PermanentWindows())
        if (wnd->m_hWnd == hWnd) return wnd;
    return nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    if (CWnd* permanent = FromHandlePermanent(hWnd)) return permanent;
    static TemporaryWindows temporaries;
    return temporaries.Find(hWnd);
}

BOOL CWnd::Attach(HWND hWnd) {
    if (!hWnd || m_hWnd) return FALSE;
    auto& windows = PermanentWindows();
    // A window taken over by another object is this one's now, as a map by handle would have it.
    if (CWnd* previous = FromHandlePermanent(hWnd))
        windows.erase(std::find(windows.begin(), windows.end(), previous));
    windows.push_back(this);
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    auto& windows = PermanentWindows();
    const auto it = std::find(windows.begin(), windows.end(), this);
    if (it != windows.end()) windows.erase(it);
    m_hWnd = nullptr;
    return hWnd;
}
