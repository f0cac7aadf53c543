#include "run_modal_once.h"

namespace {

// Names the running dialog in its class's slot for as long as it lives.
class SlotGuard {
public:
    SlotGuard(CDialog*& slot, CDialog* dialog) : m_slot(slot) { m_slot = dialog; }
    ~SlotGuard() { m_slot = nullptr; }
    SlotGuard(const SlotGuard&) = delete;
    SlotGuard& operator=(const SlotGuard&) = delete;

private:
    CDialog*& m_slot;
};

}  // namespace

int RunModalOnce(CDialog* dialog, CDialog*& slot, const std::function<INT_PTR()>& modalLoop) {
    if (slot) {
        if (::IsWindow(slot->m_hWnd)) ::SetForegroundWindow(slot->m_hWnd);
        return kDialogAlreadyOpen;
    }
    const SlotGuard running(slot, dialog);
    return static_cast<int>(modalLoop());
}

int RunModalOnce(CDialog* dialog, CDialog*& slot) {
    return RunModalOnce(dialog, slot, [dialog] { return dialog->CDialog::DoModal(); });
}
