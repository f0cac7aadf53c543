#pragma once

#include <optional>

#include "afxwin.h"

// The common item dialog for opening a picture, owned by the window and filtered to the kinds
// Windows Imaging Component reads: the file chosen, or nothing when the user cancelled (or the
// dialog could not be made or shown, which is said in `fault`).
std::optional<CStringW> AskForPictureFile(HWND owner, CString& fault);
