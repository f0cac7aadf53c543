#pragma once

#include <windows.h>

// The running program's full path, in UTF-16 so that any folder name survives. False, with an
// empty buffer, when the system gives no path or the path does not fit: a cut path would name
// another file.
bool GetProgramPath(wchar_t (&path)[MAX_PATH]);
