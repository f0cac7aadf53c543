#pragma once

#include <windows.h>

#include "afxwin.h"

// Fills the "%s" of a window's caption, a template such as "About %s", with `text`. Only that
// placeholder is replaced: the caption is not used as a printf format.
void FillCaptionPlaceholder(CWnd& wnd, LPCSTR text);
