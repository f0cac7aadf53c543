#include "afxwin.h"

// The title comes from the test's string table: "Samples Test".
CWinApp theTestApp;
