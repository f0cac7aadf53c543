#pragma once

#include "afxwin.h"
#include "rop_reader.h"

// A text a field holds that cannot be read, said where it happens: in the group's status line,
// with the focus moved to the field as the dialog manager moves it (so the default button
// follows) and the part of the text the message speaks of selected for the user to mend.
void ShowReadingFault(CStatusLine& status, HWND field, const RopReading& reading);
