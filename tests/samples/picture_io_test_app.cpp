#include "afxwin.h"

// The tests' application object: the framework needs one.
CWinApp theTestApp;
