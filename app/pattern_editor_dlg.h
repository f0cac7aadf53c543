#pragma once

#include "afxwin.h"
#include "brush_pattern.h"
#include "pattern_grid.h"
#include "pattern_preview.h"

// The editor of a sample panel's own 8 x 8 brush pattern: a grid of cells to toggle, Invert,
// Clear, and a preview of the brush at its true size. Modal over its owner, captioned
// "Brush Pattern - Bitmap 1" (or 2); at most one runs at a time.
class CPatternEditorDlg : public CDialog {
public:
    // nPanel: 1 for "Bitmap 1", 2 for "Bitmap 2".
    CPatternEditorDlg(CWnd* pOwner, int nPanel, const BrushPattern& pattern);

    // IDOK when OK or Enter ended it, IDCANCEL for Cancel, Escape or Close; 3 at once, raising
    // the open one, while another pattern editor runs.
    INT_PTR DoModal() override;
    // The edited pattern after IDOK; the pattern it was given otherwise.
    const BrushPattern& Pattern() const { return m_pattern; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnInvert();
    void OnClear();
    void OnGridChanged() { m_preview.Invalidate(); }
    DECLARE_MESSAGE_MAP()

private:
    void ShowPattern(const BrushPattern& pattern);

    static CDialog* s_pRunning;
    int m_nPanel;
    BrushPattern m_pattern;
    // The pattern being edited lives in the grid; the preview shows it from there.
    CPatternGrid m_grid;
    CPatternPreview m_preview{m_grid.Pattern()};
};
