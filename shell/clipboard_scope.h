#pragma once

#include <windows.h>

// The clipboard open for as long as this lives: it is the system's, one program at a time.
// Clipboard managers, clipboard histories and remote-desktop sessions hold it for a moment
// fairly often, so a busy clipboard is asked again for about a second before this gives up;
// while it waits, the thread answers messages sent to it, since the holder may be waiting for
// this window's answer.
class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner);
    ~ClipboardScope() {
        if (m_open) ::CloseClipboard();
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;

    bool IsOpen() const { return m_open; }
    // Closes it early, before slow work on what was read.
    void Close() {
        if (m_open) ::CloseClipboard();
        m_open = false;
    }

private:
    bool m_open;
};
