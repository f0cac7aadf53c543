#pragma once

#include <windows.h>

#include "afxwin.h"

// Reads a text resource (8-bit text, lines ending in CR LF) of the application's resource
// module: everything up to the first zero byte, but never past the resource's recorded size.
// A text that ends in one 0x02 byte loses that byte. False, with `out` empty, when the resource
// is missing or there is no memory for the text. Name and type may be resource ids.
bool LoadTextResource(LPCSTR lpszName, LPCSTR lpszType, CString& out);

// Sets the window's text to a text resource; raises CMemoryException when it cannot be read.
void SetWindowTextFromResource(CWnd* pWnd, LPCSTR lpszName, LPCSTR lpszType);
