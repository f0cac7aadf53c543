#include <windows.h>

#include <cstdio>
#include <cstdlib>

// wait_for_window CAPTION [MILLISECONDS]: exit 0 once a visible window with that caption exists.
int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const int limit = argc > 2 ? std::atoi(argv[2]) : 10000;
    for (int waited = 0; waited < limit; waited += 50) {
        HWND window = ::FindWindowA(nullptr, argv[1]);
        if (window && ::IsWindowVisible(window)) return 0;
        ::Sleep(50);
    }
    std::fprintf(stderr, "no window \"%s\"\n", argv[1]);
    return 1;
}
