#pragma once

#include <windows.h>

#include <string>

#include "afxwin.h"

// Replaces what the clipboard holds with an 8-bit text (the system offers it as Unicode text
// too). False when the clipboard is busy with another program or there is no memory for the
// text; the clipboard is then left as it was, or empty.
bool CopyTextToClipboard(CWnd* pOwner, const std::string& text);
