#pragma once

#include <windows.h>

// What screen readers are told beyond what a control says of itself, through the system's
// annotation service (IAccPropServices, created through COM, so no DLL is imported for it). Where
// the service is missing (COM not set up on the thread, a system without it) nothing is said and
// the controls keep their own names.

// Every child of the window whose id has an entry in the resource module's string table is
// named by that entry: the accessible name of a control whose visible text is the same in
// several groups ("Clear"), with the group in it ("Clear Bitmap 1").
void AfxNameControlsFromStringTable(HWND window);

// Screen readers present the control as a picture (ROLE_SYSTEM_GRAPHIC), not as a button; its
// state stays the control's own (focusable, focused).
void AfxPresentAsGraphic(HWND control);

// A static text that says what just went wrong: screen readers speak its new text when told
// (AfxAnnounceLiveRegion), politely, after what they are saying, without moving the focus.
void AfxMakePoliteLiveRegion(HWND control);
void AfxAnnounceLiveRegion(HWND control);
