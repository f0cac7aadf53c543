#pragma once

#include <windows.h>

// Enter in a dialog with no default button of its own, where the dialog manager turns Enter into
// IDOK: decided by where the focus is, never by the key's state (keys that automation tools post,
// and keys typed ahead while the window was busy, leave the key state behind the message). On a
// push button it is that button's click, as Windows does; where a field has made a button the
// default (DM_SETDEFID), it is that button's click; anywhere else there is nothing to do.
void AnswerEnterKey(HWND dialog);
