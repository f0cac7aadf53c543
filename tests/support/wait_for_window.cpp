#include <windows.h>

#include <cstdio>
#include <cstdlib>

// wait_for_window CAPTION [MILLISECONDS [DISMISS_CAPTION [READY_FILE]]]: exits 0 once a visible
// window with that caption exists and has been painted, and then writes READY_FILE (for a caller
// that cannot see this process's desktop) with the window's rectangle on the screen, "left top
// right bottom". A window captioned DISMISS_CAPTION that shows up first (an About box on a first
// run) is answered with OK.
int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const int limit = argc > 2 ? std::atoi(argv[2]) : 10000;
    const char* dismiss = argc > 3 && argv[3][0] ? argv[3] : nullptr;
    const char* readyFile = argc > 4 ? argv[4] : nullptr;
    ::SetCursorPos(0, 0);  // in a corner, off the window: nothing in it follows the mouse
    for (int waited = 0; waited < limit; waited += 50) {
        HWND window = ::FindWindowA(nullptr, argv[1]);
        if (window && ::IsWindowVisible(window)) {
            ::RedrawWindow(window, nullptr, nullptr,
                           RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
            RECT rect{};
            ::GetWindowRect(window, &rect);
            if (FILE* ready = readyFile ? std::fopen(readyFile, "w") : nullptr) {
                std::fprintf(ready, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right,
                             rect.bottom);
                std::fclose(ready);
            }
            return 0;
        }
        if (HWND other = dismiss ? ::FindWindowA(nullptr, dismiss) : nullptr)
            ::PostMessageA(other, WM_COMMAND, IDOK, 0);
        ::Sleep(50);
    }
    std::fprintf(stderr, "no window \"%s\"\n", argv[1]);
    return 1;
}
