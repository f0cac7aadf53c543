#include "message_box_watcher.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;

// The icon as drawn on the screen, compared with each system icon drawn on the same background:
// icon handles of another process cannot be compared, pixels can.
bool ShowsIcon(HWND control, HICON icon) {
    RECT rect;
    ::GetClientRect(control, &rect);
    const int width = rect.right, height = rect.bottom;
    if (width <= 0 || height <= 0) return false;
    HDC screen = ::GetDC(nullptr);
    HDC shown = ::CreateCompatibleDC(screen);
    HDC drawn = ::CreateCompatibleDC(screen);
    HBITMAP shownBits = ::CreateCompatibleBitmap(screen, width, height);
    HBITMAP drawnBits = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldShown = ::SelectObject(shown, shownBits);
    HGDIOBJ oldDrawn = ::SelectObject(drawn, drawnBits);
    POINT origin{0, 0};
    ::ClientToScreen(control, &origin);
    ::BitBlt(shown, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    HBRUSH background = ::CreateSolidBrush(::GetPixel(shown, width - 1, height - 1));
    ::FillRect(drawn, &rect, background);
    ::DeleteObject(background);
    ::DrawIconEx(drawn, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
    int differing = 0;
    for (int y = 0; y < std::min(height, 32); ++y)
        for (int x = 0; x < std::min(width, 32); ++x)
            differing += ::GetPixel(shown, x, y) != ::GetPixel(drawn, x, y);
    ::SelectObject(shown, oldShown);
    ::SelectObject(drawn, oldDrawn);
    ::DeleteObject(shownBits);
    ::DeleteObject(drawnBits);
    ::DeleteDC(shown);
    ::DeleteDC(drawn);
    ::ReleaseDC(nullptr, screen);
    return differing == 0;
}

UINT IconOf(HWND box) {
    const struct {
        LPCSTR resource;
        UINT flag;
    } icons[] = {{IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                 {IDI_HAND, MB_ICONSTOP},
                 {IDI_ASTERISK, MB_ICONINFORMATION},
                 {IDI_QUESTION, MB_ICONQUESTION}};
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
        const auto shown = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
        for (const auto& icon : icons)
            if (shown && shown == ::LoadIconA(nullptr, icon.resource)) return icon.flag;
        for (const auto& icon : icons)
            if (ShowsIcon(child, ::LoadIconA(nullptr, icon.resource))) return icon.flag;
    }
    return 0;
}

std::string TextOf(HWND window) {
    char buffer[4096] = "";
    ::GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

}  // namespace

bool IsMessageBox(HWND window) {
    char className[16] = "";
    ::GetClassNameA(window, className, sizeof className);
    return std::string(className) == "#32770" && ::IsWindowVisible(window) &&
           ::GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

SeenMessageBox ReadMessageBox(HWND box) {
    SeenMessageBox seen;
    seen.found = true;
    seen.caption = TextOf(box);
    seen.text = TextOf(::GetDlgItem(box, kMessageBoxTextId));
    seen.icon = IconOf(box);
    seen.systemModal = (::GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    seen.owner = ::GetWindow(box, GW_OWNER);
    return seen;
}

struct MessageBoxWatcher::State {
    int button;
    std::atomic<bool> stop{false};
    mutable std::mutex mutex;
    std::vector<SeenMessageBox> seen;
    std::thread thread;
};

namespace {

BOOL CALLBACK FindBox(HWND window, LPARAM result) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == ::GetCurrentProcessId() && IsMessageBox(window)) {
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(int button) : m_state(new State) {
    m_state->button = button;
    m_state->thread = std::thread([state = m_state] {
        while (!state->stop) {
            HWND box = nullptr;
            ::EnumWindows(FindBox, reinterpret_cast<LPARAM>(&box));
            if (!box) {
                ::Sleep(5);
                continue;
            }
            SeenMessageBox seen = ReadMessageBox(box);
            {
                std::lock_guard<std::mutex> lock(state->mutex);
                state->seen.push_back(seen);
            }
            HWND button = ::GetDlgItem(box, state->button);
            if (button)
                ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(state->button, BN_CLICKED),
                               reinterpret_cast<LPARAM>(button));
            else
                ::PostMessageA(box, WM_CLOSE, 0, 0);
            // Wait for this box to go before looking for the next one.
            for (int i = 0; i < 500 && ::IsWindow(box) && ::IsWindowVisible(box); ++i) ::Sleep(5);
        }
    });
}

MessageBoxWatcher::~MessageBoxWatcher() {
    m_state->stop = true;
    m_state->thread.join();
    delete m_state;
}

int MessageBoxWatcher::Count() const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return static_cast<int>(m_state->seen.size());
}

SeenMessageBox MessageBoxWatcher::At(int n) const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    if (n < 0 || n >= static_cast<int>(m_state->seen.size())) return {};
    return m_state->seen[static_cast<size_t>(n)];
}

SeenMessageBox MessageBoxWatcher::Last() const { return At(Count() - 1); }
