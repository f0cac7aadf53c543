#include "run_modal_once.h"

bool FrontDialogInSlot(CDialog* slot) {
    if (!slot) return false;
    if (::IsWindow(slot->m_hWnd)) ::SetForegroundWindow(slot->m_hWnd);
    return true;
}

int RunModalOnce(CDialog* dialog, CDialog*& slot) {
    return RunModalOnce(dialog, slot, [dialog] { return dialog->CDialog::DoModal(); });
}
