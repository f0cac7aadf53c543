#include "enter_key.h"

namespace {

bool IsPushButton(HWND window) {
    const auto code = ::SendMessageA(window, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

void Click(HWND dialog, HWND button) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
}

HWND DefaultButton(HWND dialog) {
    const auto answer = ::SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(answer) != DC_HASDEFID || LOWORD(answer) == IDOK) return nullptr;
    return ::GetDlgItem(dialog, LOWORD(answer));
}

}  // namespace

void AnswerEnterKey(HWND dialog) {
    HWND focus = ::GetFocus();
    if (!focus || !::IsChild(dialog, focus)) return;
    if (IsPushButton(focus)) {
        if (::IsWindowEnabled(focus)) Click(dialog, focus);
        return;
    }
    HWND button = DefaultButton(dialog);
    if (button && ::IsWindowEnabled(button)) Click(dialog, button);
}
