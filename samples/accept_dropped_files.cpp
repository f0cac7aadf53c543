#include "accept_dropped_files.h"

#include <shellapi.h>

#include <initializer_list>

namespace {

// 0x0049 carries the dropped files' names across the integrity levels; it has no name in the
// headers.
constexpr UINT kCopyGlobalData = 0x0049;

using MessageFilter = BOOL(WINAPI*)(HWND, UINT, DWORD, PCHANGEFILTERSTRUCT);

// Looked up, not imported: systems before Windows 7 have no such function, and need none.
MessageFilter WindowMessageFilter() {
    const HMODULE user = ::GetModuleHandleW(L"user32.dll");
    return user ? reinterpret_cast<MessageFilter>(reinterpret_cast<void*>(
                      ::GetProcAddress(user, "ChangeWindowMessageFilterEx")))
                : nullptr;
}

}  // namespace

void AcceptDroppedFiles(HWND window) {
    ::DragAcceptFiles(window, TRUE);
    if (const MessageFilter allow = WindowMessageFilter())
        for (const UINT message : {UINT(WM_DROPFILES), UINT(WM_COPYDATA), kCopyGlobalData})
            allow(window, message, MSGFLT_ALLOW, nullptr);
}
