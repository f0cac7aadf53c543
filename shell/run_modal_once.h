#pragma once

#include <windows.h>

#include <functional>

#include "afxwin.h"

// Result of a request for a dialog whose kind is already open.
constexpr int kDialogAlreadyOpen = 3;

// Runs the dialog's modal loop (CDialog::DoModal) unless `slot`, the one slot of its dialog
// class, names a dialog that is already running: that one is brought to the front instead and
// the result is 3. The slot names this dialog while its loop runs and is cleared however the
// loop ends. Dialog classes call it from their own DoModal.
int RunModalOnce(CDialog* dialog, CDialog*& slot);

// The same, with the modal loop given, so the slot's rules hold for any way a loop can end.
int RunModalOnce(CDialog* dialog, CDialog*& slot, const std::function<INT_PTR()>& modalLoop);
