#pragma once

#include <string>
#include <vector>

#include "afxwin.h"
#include "rop_diagram.h"
#include "test_panel.h"

// The diagram in a dialog of its own that answers its requests as the main window does: it
// toggles the focused row's result and shows the new index.
class CDiagramDlg : public CDialog {
public:
    CDiagramDlg();
    ~CDiagramDlg() override { DestroyWindow(); }

    // Shown, with the diagram taken over and showing index 0.
    bool Open();
    HWND Diagram() const { return m_diagram.m_hWnd; }
    void FocusButtonBefore() const;
    // Paints the diagram now, then reads what it shows.
    Pixels Shown(SIZE* size) const;
    void Click(POINT point);
    // A key posted to the focused control, as automation tools send it, and everything it leads
    // to dispatched through the dialog manager. `flags` go into the WM_KEYDOWN's lParam.
    void Press(UINT key, LPARAM flags = 0);

    CRopDiagram m_diagram;
    std::vector<int> m_toggledRows;
    int m_strangeRequests = 0;  // from another id or window

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

// CLR_INVALID outside the picture.
COLORREF PixelOf(const Pixels& pixels, SIZE size, POINT point);

// Paints the diagram and names the rows whose pixel at RowPoint is not the fill its result in
// `index` asks for, as " row:index" words.
std::string WrongFills(CDiagramDlg& dlg, unsigned index);
