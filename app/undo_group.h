#pragma once

#include "afxwin.h"
#include "picture_history.h"
#include "sample_panel.h"

// Undo and Redo of the window's pictures (commands 3109 and 3110, wherever the focus is): one
// history for the samples and the mask. Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z give the same commands
// anywhere but in an edit field, which keeps its own undo. A picture that comes back takes its
// kind back too, and its panel's B&W box follows. The pictures' menus enable what there is to do.
class CUndoGroup : public CDialogGroup {
public:
    CUndoGroup(CWnd& window, PictureHistory& history, SamplePanel& panel1, SamplePanel& panel2)
        : CDialogGroup(window), m_history(history), m_panels{&panel1, &panel2} {}

    // For the window's message filter: TRUE when the message was one of the keys and was taken.
    BOOL TranslateKey(const MSG& msg);

protected:
    void OnUndo() { Step(true); }
    void OnRedo() { Step(false); }
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void Step(bool undo);

    PictureHistory& m_history;
    SamplePanel* m_panels[2];
};
