#pragma once

#include <windows.h>

#include "wnd.h"

// A static text under a group that says what just went wrong there, or nothing. A screen reader
// does not read a static that changes away from the focus by itself: the line is a polite live
// region, announced whenever it gets a text.
class CStatusLine : public CWnd {
public:
    void Show(LPCSTR text);
    // A text with what the code page may lack: a file's name in any script.
    void Show(LPCWSTR text);
    void Clear() { Show(""); }

private:
    bool m_bLiveRegion = false;
};
