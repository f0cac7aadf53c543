#pragma once

#include "afxwin.h"
#include "picture_reading.h"

// The picture on the clipboard: CF_DIBV5, then CF_DIB (both read by the dib/ reader, which
// trusts no length), then CF_BITMAP, then the first file of CF_HDROP (named in the reading, to
// be read as ReadPictureFile reads it: a file may take long). Where the clipboard offers CF_DIB
// before CF_DIBV5 the V5 is the system's conversion of it, so CF_DIB is taken. A busy clipboard is
// waited for about a second. Faults: no picture, busy, an owner that does not answer, a bitmap that
// cannot be read (why), too large, out of memory.
PictureReading ReadClipboardPicture(HWND owner);
