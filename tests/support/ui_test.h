#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Dispatches this thread's queued messages (including posted commands) until none are left.
void PumpMessages();
// Pumps for `milliseconds`, or until `done` returns true; returns done's last value.
bool PumpUntil(const std::function<bool()>& done, int milliseconds = 5000);

// Clicks a button as the dialog manager does for a mouse click (BM_CLICK), then pumps.
void ClickButton(HWND dialog, int id);
std::string WindowText(HWND window);
// The pixel of a memory or window DC, as COLORREF.
COLORREF PixelAt(HDC dc, int x, int y);
