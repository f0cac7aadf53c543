#pragma once

#include <windows.h>

#include <string>

#include "afxwin.h"

enum class ClipboardCopy {
    Copied,
    Busy,      // another program kept the clipboard open all the while
    NoMemory,  // no memory for the text
};

// Replaces what the clipboard holds with an 8-bit text (the system offers it as Unicode text
// too). Clipboard managers, clipboard histories and remote-desktop sessions hold the clipboard
// for a moment fairly often, so a busy clipboard is asked again for about a second before the
// copy gives up. On failure the clipboard is left as it was, or empty.
ClipboardCopy CopyTextToClipboard(CWnd* pOwner, const std::string& text);

// What the status line says of a copy that failed; empty for one that worked.
const char* DescribeClipboardCopy(ClipboardCopy result);
