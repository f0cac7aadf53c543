#pragma once

#include <windows.h>

// The running program's full path. False, with an empty buffer, when the system gives no path
// or the path does not fit: a cut path would name another file.
bool GetProgramPath(char (&path)[MAX_PATH]);
