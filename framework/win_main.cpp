#include <windows.h>

#include "win_app.h"

// Linked into programs only: test executables bring their own main.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) { return AfxWinMain(hInstance); }
