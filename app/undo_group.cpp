#include "undo_group.h"

#include "resource.h"

BEGIN_MESSAGE_MAP(CUndoGroup, CDialogGroup)
ON_COMMAND(ID_UNDO_PICTURE, &CUndoGroup::OnUndo)
ON_COMMAND(ID_REDO_PICTURE, &CUndoGroup::OnRedo)
ON_MESSAGE(WM_INITMENUPOPUP, &CUndoGroup::OnInitMenuPopup)
END_MESSAGE_MAP()

namespace {

constexpr WPARAM kCtrlY = 0x19, kCtrlZ = 0x1A;

bool IsEditField(HWND window) {
    char name[16] = "";
    return window && ::GetClassNameA(window, name, sizeof name) && !lstrcmpiA(name, "Edit");
}

}  // namespace

// Decided by the character the keys make (Ctrl+Z is 0x1A, Ctrl+Y 0x19), so keys posted as
// characters by automation act as typed ones do; Shift tells Ctrl+Shift+Z from Ctrl+Z as the
// message that made the character had it.
BOOL CUndoGroup::TranslateKey(const MSG& msg) {
    if (msg.message != WM_CHAR || (msg.wParam != kCtrlZ && msg.wParam != kCtrlY)) return FALSE;
    if (IsEditField(msg.hwnd)) return FALSE;
    const bool redo = msg.wParam == kCtrlY || (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    Window().SendMessage(WM_COMMAND, redo ? ID_REDO_PICTURE : ID_UNDO_PICTURE);
    return TRUE;
}

void CUndoGroup::Step(bool undo) {
    RunCommittedCommand([&] {
        if (!(undo ? m_history.Undo() : m_history.Redo())) return;
        for (SamplePanel* panel : m_panels) panel->m_bMono = panel->m_picture.IsMono();
    });
}

LRESULT CUndoGroup::OnInitMenuPopup(WPARAM wParam, LPARAM) {
    const auto menu = reinterpret_cast<HMENU>(wParam);
    ::EnableMenuItem(menu, ID_UNDO_PICTURE, m_history.CanUndo() ? MF_ENABLED : MF_GRAYED);
    ::EnableMenuItem(menu, ID_REDO_PICTURE, m_history.CanRedo() ? MF_ENABLED : MF_GRAYED);
    return 0;
}
