#pragma once

#include "afxwin.h"
#include "sample_picture.h"

// Puts the picture on the clipboard as CF_DIB of its size, bottom-up: a colour one as 32-bit
// BI_RGB whose fourth bytes are zero (no alpha, as the shell reads it), a black-and-white one as
// 1-bit with a black and a white colour entry, so a paint program shows what the sample shows.
// A busy clipboard is waited for about a second. The owner is a window (the clipboard takes no
// content from no window). Returns the fault, empty when copied.
CStringW CopyPictureToClipboard(HWND owner, const SamplePicture& picture);
