#include "ui_test.h"

#include <vector>

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, int milliseconds) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        PumpMessages();
        if (done()) return true;
        if (static_cast<int>(::GetTickCount() - start) >= milliseconds) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void ClickButton(HWND dialog, int id) {
    ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    PumpMessages();
}

std::string WindowText(HWND window) {
    const int length = ::GetWindowTextLengthA(window);
    std::vector<char> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1);
    const int copied = ::GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

COLORREF PixelAt(HDC dc, int x, int y) { return ::GetPixel(dc, x, y); }
