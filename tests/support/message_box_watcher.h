#pragma once

#include <windows.h>

#include <string>

// A real message box as the user sees it: found on the screen while it is open, read, then
// dismissed with one of its buttons.
struct SeenMessageBox {
    bool found = false;
    std::string caption;
    std::string text;
    // MB_ICONEXCLAMATION, MB_ICONSTOP, MB_ICONINFORMATION, MB_ICONQUESTION, or 0 for none.
    UINT icon = 0;
    bool systemModal = false;  // topmost, as MB_SYSTEMMODAL makes it
    HWND owner = nullptr;
};

// Watches for message boxes of this process from a second thread, so the code under test can
// run its modal message-box loop on the test's own thread as it would in the program.
class MessageBoxWatcher {
public:
    // Answers each box that appears with `button` (IDOK by default) after recording it.
    explicit MessageBoxWatcher(int button = IDOK);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // Number of boxes seen and dismissed so far.
    int Count() const;
    // The n-th box seen (0 based); found is false if there was none.
    SeenMessageBox At(int n) const;
    SeenMessageBox Last() const;

private:
    struct State;
    State* m_state;
};

// Reads an open message box (a dialog with a static text of id 0xFFFF).
SeenMessageBox ReadMessageBox(HWND box);
bool IsMessageBox(HWND window);
