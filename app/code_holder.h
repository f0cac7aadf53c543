#pragma once

#include <windows.h>

// What a group of the main window needs of the ROP code the window holds. The window tells every
// group that shows the code when it changes; a group that changes it says so here.
class CodeHolder {
public:
    // The code a blit uses: the Hex field's while it holds one in range, else the result
    // column's.
    virtual DWORD CurrentCode() const = 0;
    // Commit, the code, load, and the result column from it (SRCCOPY, Set).
    virtual void SetCode(DWORD dwRop) = 0;

protected:
    ~CodeHolder() = default;
};
