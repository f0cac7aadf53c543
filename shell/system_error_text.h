#pragma once

#include <windows.h>

#include "afxwin.h"

// The system's own text for an error number, without the line end that system texts carry.
// Returns the length the system reported (line end included), or 0 when it has no text, in which
// case `out` is left as it was. Inserts such as "%1" stay in the text as they are.
DWORD GetSystemErrorText(DWORD dwCode, CString& out);
