#include "dpi.h"

namespace {

// Looked up at run time: the program also starts on Windows 7 and 8, which lack them.
template <typename Function>
Function User32Function(const char* name) {
    const HMODULE user32 = ::GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<Function>(
                        reinterpret_cast<void (*)()>(::GetProcAddress(user32, name)))
                  : nullptr;
}

UINT SystemDpi() {
    const HDC screen = ::GetDC(nullptr);
    if (!screen) return USER_DEFAULT_SCREEN_DPI;
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

UINT AfxGetWindowDpi(HWND hWnd) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow && hWnd ? getDpiForWindow(hWnd) : 0;
    return dpi != 0 ? dpi : SystemDpi();
}

int AfxGetSystemMetricsForDpi(int nIndex, UINT dpi) {
    using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
    static const auto getSystemMetricsForDpi =
        User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    return getSystemMetricsForDpi ? getSystemMetricsForDpi(nIndex, dpi)
                                  : ::GetSystemMetrics(nIndex);
}
