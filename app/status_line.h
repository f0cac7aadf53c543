#pragma once

#include <string>

#include "afxwin.h"

// The main window's status line, below the Expression field: what went wrong with the last Set
// or Copy, or nothing. A new message is announced to screen readers, which do not read a static
// text that changes away from the focus by themselves.
void ShowStatus(CWnd& dialog, const std::string& text);
