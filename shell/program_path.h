#pragma once

#include <windows.h>

#include "afxwin.h"

// The running program's full path, in UTF-16 so that any folder name survives, and of any
// length: an install folder deeper than MAX_PATH works too. Empty when the system gives none.
CStringW GetProgramPath();
