#include "message_box_watcher.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "ui_test.h"

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

struct SystemIcon {
    LPCSTR resource;
    UINT flag;
};
const SystemIcon kSystemIcons[] = {{IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                                   {IDI_HAND, MB_ICONSTOP},
                                   {IDI_ASTERISK, MB_ICONINFORMATION},
                                   {IDI_QUESTION, MB_ICONQUESTION}};

HWND IconControlOf(HWND box) {
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) return child;
    return nullptr;
}

// A box of this process hands out the shared icon handle it shows; another process's handles
// mean nothing here, so its icon is recognised on the screen, after a forced paint, for as long
// as the paint takes to arrive there.
UINT IconOf(HWND box) {
    HWND control = IconControlOf(box);
    if (!control) return 0;
    const auto shown = reinterpret_cast<HICON>(::SendMessageA(control, STM_GETICON, 0, 0));
    for (const SystemIcon& icon : kSystemIcons)
        if (shown && shown == ::LoadIconA(nullptr, icon.resource)) return icon.flag;

    ::RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    UINT found = 0;
    PumpUntil(
        [&] {
            for (const SystemIcon& icon : kSystemIcons)
                if (ShowsIcon(control, ::LoadIconA(nullptr, icon.resource))) found = icon.flag;
            return found != 0 || !::IsWindow(box);
        },
        3000);
    return found;
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
            PumpUntil([box] { return !::IsWindow(box) || !::IsWindowVisible(box); }, 2500);
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
