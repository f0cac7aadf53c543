#pragma once

#include <windows.h>

#include "afxwin.h"

// Result of a request for a dialog whose kind is already open.
constexpr int kDialogAlreadyOpen = 3;

// Runs the dialog's modal loop (CDialog::DoModal) unless `slot`, the one slot of its dialog
// class, names a dialog that is already running: that one is brought to the front instead and
// the result is 3. The slot names this dialog while its loop runs and is cleared however the
// loop ends. Dialog classes call it from their own DoModal.
int RunModalOnce(CDialog* dialog, CDialog*& slot);

// True when `slot` names a running dialog, which is then brought to the front.
bool FrontDialogInSlot(CDialog* slot);

// Names the running dialog in its class's slot for as long as it lives.
class CModalSlot {
public:
    CModalSlot(CDialog*& slot, CDialog* dialog) : m_slot(slot) { m_slot = dialog; }
    ~CModalSlot() { m_slot = nullptr; }
    CModalSlot(const CModalSlot&) = delete;
    CModalSlot& operator=(const CModalSlot&) = delete;

private:
    CDialog*& m_slot;
};

// The same, with the modal loop given (a callable returning INT_PTR), so the slot's rules hold
// for any way a loop can end.
template <typename ModalLoop>
int RunModalOnce(CDialog* dialog, CDialog*& slot, ModalLoop modalLoop) {
    if (FrontDialogInSlot(slot)) return kDialogAlreadyOpen;
    const CModalSlot running(slot, dialog);
    return static_cast<int>(modalLoop());
}
