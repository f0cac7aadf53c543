#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Runs `action` once, from inside whatever message loop this thread runs (a dialog's modal loop
// included), as soon as a visible top-level window of this thread has the caption `caption` and
// is active. The action is expected to close the window. When no such window shows within 10
// seconds, or it is still open 10 seconds after its action, the test fails and the dialogs are
// cancelled, so the modal call under test cannot hang.
void WhenWindowShows(const std::string& caption, std::function<void(HWND)> action);

// Presses a key in the window that has the focus, as the keyboard would.
void PressKey(UINT virtualKey);
// The visible top-level windows of this thread with this caption.
int CountWindows(const std::string& caption);
