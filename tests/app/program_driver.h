#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "message_box_watcher.h"

// Runs velmar.exe as its own process and works its windows the way a person does: mouse clicks
// and keystrokes through the system's input queue, and what is on the screen read back.
class ProgramDriver {
public:
    explicit ProgramDriver(const std::string& exePath);
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
    // Answers message boxes as they come until none appears for `quietMilliseconds`; returns
    // how many there were.
    int DismissMessageBoxes(int quietMilliseconds = 300);

    void Click(HWND control);
    void ClickItem(int id) { Click(Item(id)); }
    void TypeText(const std::string& text);
    void PressKey(WORD virtualKey);
    void PressKeys(std::initializer_list<WORD> chord);
    // Waits until the program has handled everything sent to it so far.
    void Settle();

    bool IsChecked(int id) const;
    std::string Text(int id) const;
    int SelectedIndex(int id) const;
    COLORREF SelectedColor(int id) const;
    // The client area of a control as it is on the screen, row by row, as COLORREFs.
    std::vector<COLORREF> ScreenPixels(HWND window, int* width, int* height) const;

private:
    std::string m_exePath;
    PROCESS_INFORMATION m_process{};
    HWND m_main = nullptr;
};
