#pragma once

#include "afxwin.h"
#include "sample_brush.h"

// A sample panel's brush controls: the Brush list, the origin fields with their arrows, the
// button that edits the panel's own pattern, and the line that says where a monochrome pattern
// takes its colours from. The brush itself belongs to the panel.
class CPanelBrush {
public:
    CPanelBrush(CWnd& window, int nPanel, SampleBrush& brush);

    // The list's entries and the arrows' range, 0 to 7.
    void SetUp();
    // Last in the window's exchange: an origin out of range stops it there, the command still
    // acts, and the brush keeps its last valid origin.
    void Exchange(CDataExchange* pDX);
    // What the panel shows for the style the list holds now, before any commit: the pattern
    // picker is off for a monochrome pattern, and the line says where its colours come from.
    void ShowListedStyle();
    // The panel's own pattern in the editor; kept when the editor ends with OK.
    void EditPattern();
    bool IsOwnControl(UINT nID) const;

private:
    void ShowStyle(BrushStyle style);

    CWnd& m_window;
    const int m_nPanel;
    SampleBrush& m_brush;
};
