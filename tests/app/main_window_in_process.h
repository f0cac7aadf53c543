#pragma once

#include <windows.h>

#include <string>

#include "resource.h"
#include "ui_test.h"
#include "velmar_app.h"
#include "velmar_dlg.h"

// The main window as the program opens it, but modeless, so the test can drive it.
class MainWindow {
public:
    // A test template may stand in for the program's.
    explicit MainWindow(UINT nIDTemplate = IDD_VELMAR_DIALOG) {
        theApp.m_pMainWnd = &m_dlg;
        m_created = m_dlg.Create(nIDTemplate);
        if (m_created) m_dlg.ShowWindow(SW_SHOW);
        PumpMessages();
    }
    ~MainWindow() {
        m_dlg.DestroyWindow();
        theApp.m_pMainWnd = nullptr;
    }
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    bool Created() const { return m_created; }
    HWND Handle() const { return m_dlg.m_hWnd; }
    HWND Item(int id) const { return ::GetDlgItem(m_dlg.m_hWnd, id); }

private:
    CVelmarDlg m_dlg;
    bool m_created = false;
};

// A window's text, up to 511 characters.
inline std::string TextOf(HWND window) {
    char text[512] = "";
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

// Until the status line no longer says a picture file is being read.
inline bool WaitForPictureRead(const MainWindow& window, int status) {
    return PumpUntil([&] { return TextOf(window.Item(status)).rfind("Reading ", 0) != 0; });
}

inline void Command(const MainWindow& window, UINT id) {
    ::SendMessageA(window.Handle(), WM_COMMAND, id, 0);
    PumpMessages();
}

// A code typed into Hex and committed by the focus leaving it.
inline void SetHex(const MainWindow& window, const char* code) {
    ::SetFocus(window.Item(IDC_HEX));
    ::SetWindowTextA(window.Item(IDC_HEX), code);
    PumpMessages();
    ::SetFocus(window.Item(IDC_RESULT_ROW1));
}

// Answers every window that a command opens over the main window (About, Help, a message box) as
// soon as it is made, so commands can be repeated thousands of times without a timer.
class SecondaryWindowCloser {
public:
    explicit SecondaryWindowCloser(HWND mainWindow) {
        s_mainWindow = mainWindow;
        s_closed = 0;
        m_hook = ::SetWindowsHookExA(WH_CBT, OnCbt, nullptr, ::GetCurrentThreadId());
    }
    ~SecondaryWindowCloser() {
        if (m_hook) ::UnhookWindowsHookEx(m_hook);
    }
    SecondaryWindowCloser(const SecondaryWindowCloser&) = delete;
    SecondaryWindowCloser& operator=(const SecondaryWindowCloser&) = delete;

    bool Hooked() const { return m_hook != nullptr; }
    static int Closed() { return s_closed; }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        HWND window = reinterpret_cast<HWND>(wParam);
        const auto* created = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        // Posted while the window is being made, the answer waits in the queue for its modal loop.
        if (code == HCBT_CREATEWND && !(created->lpcs->style & WS_CHILD) &&
            window != s_mainWindow) {
            ::PostMessageA(window, WM_COMMAND, IDOK, 0);
            ++s_closed;
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK m_hook = nullptr;
    static inline HWND s_mainWindow = nullptr;
    static inline int s_closed = 0;
};
