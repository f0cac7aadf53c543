#pragma once

#include <windows.h>

#include <cstddef>

#include "afxwin.h"

// What velmar.ini holds, in the section "CurrentVersion": the program's path ("Path", UTF-8) and
// the version that last ran ("Version", decimal, major in the high word). The file may have been
// written by anyone: a value that is missing, of the wrong form or not UTF-8 reads as none.
struct SettingsFileValues {
    CStringW path;      // empty when there is none
    DWORD version = 0;  // 0 when there is none
};

SettingsFileValues ReadSettingsText(const char* text, size_t size);
CString WriteSettingsText(const SettingsFileValues& values);
