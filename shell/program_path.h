#pragma once

#include <windows.h>

#include "afxwin.h"

// The running program's full path, in UTF-16 so that any folder name survives, and of any
// length: an install folder deeper than MAX_PATH works too. Empty when the system gives none.
CStringW GetProgramPath();

// The program's own file, every link on the way resolved, in the form that opens at any length
// ("\\?\C:\Tools\velmar.exe"). Started through a symbolic link in another folder, as a package
// manager puts one on the PATH, GetProgramPath names the link. GetProgramPath's path when the
// file cannot be opened.
CStringW GetFinalProgramPath();

// The path as a person writes it: "\\?\C:\..." as "C:\...", "\\?\UNC\server\..." as
// "\\server\...".
CStringW WithoutLongPathPrefix(LPCWSTR path);
