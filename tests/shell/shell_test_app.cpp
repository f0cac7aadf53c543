#include "afxwin.h"

// No name: the title comes from the program's string table, as in velmar.exe ("Velmar").
CWinApp theTestApp;
