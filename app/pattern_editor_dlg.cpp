#include "pattern_editor_dlg.h"

#include <string>

#include "resource.h"
#include "run_modal_once.h"
#include "window_caption.h"

CDialog* CPatternEditorDlg::s_pRunning = nullptr;

BEGIN_MESSAGE_MAP(CPatternEditorDlg, CDialog)
ON_BN_CLICKED(IDC_PATTERN_INVERT, &CPatternEditorDlg::OnInvert)
ON_BN_CLICKED(IDC_PATTERN_CLEAR, &CPatternEditorDlg::OnClear)
ON_CONTROL(CPatternGrid::kPatternChanged, IDC_PATTERN_GRID, &CPatternEditorDlg::OnGridChanged)
END_MESSAGE_MAP()

CPatternEditorDlg::CPatternEditorDlg(CWnd* pOwner, int nPanel, const BrushPattern& pattern)
    : CDialog(IDD_PATTERN_EDITOR, pOwner), m_nPanel(nPanel), m_pattern(pattern) {}

INT_PTR CPatternEditorDlg::DoModal() { return RunModalOnce(this, s_pRunning); }

BOOL CPatternEditorDlg::OnInitDialog() {
    FillCaptionPlaceholder(*this, std::to_string(m_nPanel).c_str());
    m_grid.SubclassDlgItem(IDC_PATTERN_GRID, this);
    m_preview.SubclassDlgItem(IDC_PATTERN_PREVIEW, this);
    m_preview.PresentAsGraphic();
    ShowPattern(m_pattern);
    // The focus goes to the first tab stop, the grid.
    return CDialog::OnInitDialog();
}

void CPatternEditorDlg::OnOK() {
    m_pattern = m_grid.Pattern();
    CDialog::OnOK();
}

void CPatternEditorDlg::OnInvert() {
    BrushPattern inverted = m_grid.Pattern();
    for (auto& row : inverted) row = static_cast<std::uint8_t>(~row);
    ShowPattern(inverted);
}

void CPatternEditorDlg::OnClear() { ShowPattern(BrushPattern{}); }

void CPatternEditorDlg::ShowPattern(const BrushPattern& pattern) {
    m_grid.SetPattern(pattern);
    m_preview.Invalidate();
}
