#include "clipboard_scope.h"

namespace {

constexpr DWORD kBusyPatienceMs = 1000;
constexpr DWORD kRetryEveryMs = 15;

void WaitAnsweringSentMessages(DWORD milliseconds) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_SENDMESSAGE);
    MSG message;
    ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

bool OpenWithPatience(HWND owner) {
    const DWORD start = ::GetTickCount();
    while (!::OpenClipboard(owner)) {
        if (::GetTickCount() - start >= kBusyPatienceMs) return false;  // difference: wrap-safe
        WaitAnsweringSentMessages(kRetryEveryMs);
    }
    return true;
}

}  // namespace

ClipboardScope::ClipboardScope(HWND owner) : m_open(OpenWithPatience(owner)) {}
