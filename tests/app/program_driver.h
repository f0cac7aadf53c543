#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "message_box_watcher.h"

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A control's client area in device pixels.
inline SIZE ClientSize(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// A control's client area as it is on the screen, row by row, as COLORREFs.
struct Picture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
};

// A bitmap's pixels, read through a DC of the same format.
Picture PictureOf(HDC dc, HBITMAP bitmap, int width, int height);

// Runs velmar.exe as its own process and works its windows the way a person does: mouse clicks
// and keystrokes through the system's input queue, and what is on the screen read back.
//
// Input is only queued: nothing here waits for the program to have handled it. A test waits for
// the state it expects (WaitUntil and the Wait... helpers), since nothing another process can
// send proves that queued input, posted work or a repaint has run.
class ProgramDriver {
public:
    explicit ProgramDriver(const std::string& exePath);
    // A path that the code page may not hold.
    explicit ProgramDriver(std::wstring exePath);
    ~ProgramDriver();
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    bool Start();
    // Waits for the process to end; returns its exit code, or -1 on time-out.
    int WaitForExit(int milliseconds = 10000);
    bool HasExited() const;
    DWORD ProcessId() const { return m_process.dwProcessId; }

    // The visible main window (caption "Velmar"), once it is shown.
    HWND WaitForMainWindow(int milliseconds = 15000);
    HWND MainWindow() const { return m_main; }
    HWND Item(int id) const { return ::GetDlgItem(m_main, id); }

    // A visible top-level window of the program with this caption, or null.
    HWND FindWindowByCaption(const std::string& caption) const;
    HWND WaitForWindow(const std::string& caption, int milliseconds = 10000) const;
    // The program's open message box, waiting for it to appear; found is false if none came.
    SeenMessageBox WaitForMessageBox(int milliseconds = 5000) const;
    HWND OpenMessageBox() const;
    // Answers the open message box with Enter, as a person would, and waits until it is gone.
    bool DismissMessageBox(int milliseconds = 5000);
    // Answers message boxes as a person does, always the one on top, until `count` different
    // ones have shown and none is left; their texts in the order they were first seen.
    std::vector<std::string> DismissMessageBoxes(int count);

    // Brings the window's top-level window to the front and waits until the program's keyboard
    // focus is in it, so keys pressed next go there.
    bool ActivateForKeys(HWND window) const;
    void Click(HWND control);
    void ClickItem(int id) { Click(Item(id)); }
    void TypeText(const std::string& text);
    void PressKey(WORD virtualKey);
    // The key's WM_KEYDOWN and WM_KEYUP posted to the control, as automation tools send keys:
    // the keyboard's state never changes.
    void PostKey(HWND control, WORD virtualKey);
    // A character posted to the control as TranslateMessage makes it: Ctrl+Z is 0x1A. Its key
    // is not posted, which with the keyboard's state unchanged would also type a letter.
    void PostChar(HWND control, wchar_t character);
    // Moves the focus the way the dialog manager does (WM_NEXTDLGCTL), without clicking, and
    // waits until it is there.
    bool FocusItem(int id);
    void PressKeys(std::initializer_list<WORD> chord);

    // Pumps this thread's messages until `holds` is true or the time is up; holds' last value.
    bool WaitUntil(const std::function<bool()>& holds, int milliseconds = 5000) const;
    bool WaitForText(int id, const std::string& text) const;
    bool WaitForCheck(int id, bool checked) const;
    bool WaitForFocus(int id) const;
    // The program's window with the keyboard focus (of its user-interface thread).
    HWND FocusedWindow() const;

    bool IsChecked(int id) const;
    std::string Text(int id) const;
    static std::string TextOf(HWND control);
    int SelectedIndex(int id) const;
    COLORREF SelectedColor(int id) const;
    // The control's client area as the screen shows it.
    Picture ScreenPicture(HWND window) const;
    // Has the control repaint itself, then reads the screen until `shows` holds for what is there
    // and two reads agree, or the time is up; the last picture read.
    Picture WaitForPicture(int id, const std::function<bool(const Picture&)>& shows,
                           int milliseconds = 5000) const;

private:
    // Enter on this box; waits until it has gone or another box has opened over it.
    bool Answer(HWND box, int milliseconds);

    std::wstring m_exePath;
    PROCESS_INFORMATION m_process{};
    HWND m_main = nullptr;
};
