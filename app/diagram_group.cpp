#include "diagram_group.h"

#include "resource.h"

BEGIN_MESSAGE_MAP(CDiagramGroup, CDialogGroup)
ON_CONTROL(kRopDiagramToggle, IDC_ROP_DIAGRAM, &CDiagramGroup::OnToggle)
ON_BN_CLICKED(IDC_KARNAUGH_MAP, &CDiagramGroup::OnKarnaughMap)
END_MESSAGE_MAP()

void CDiagramGroup::AttachControls(CDataExchange*) {
    if (!m_diagram.m_hWnd && !m_diagram.SubclassDlgItem(IDC_ROP_DIAGRAM, &Window()))
        AfxThrowResourceException();
}

// The result box changes as a click changes it, and the window takes the code from the column
// as it does after a click: the focus stays in the diagram.
void CDiagramGroup::OnToggle() {
    const int box = IDC_RESULT_ROW1 + m_diagram.FocusedRow() - 1;
    const bool ticked = ::IsDlgButtonChecked(Window(), box) == BST_CHECKED;
    ::CheckDlgButton(Window(), box, ticked ? BST_UNCHECKED : BST_CHECKED);
    Window().PostMessage(WM_COMMAND, ID_SYNC_FROM_TABLE, 0);
}

void CDiagramGroup::OnKarnaughMap() {
    m_diagram.SetKarnaughMap(::IsDlgButtonChecked(Window(), IDC_KARNAUGH_MAP) == BST_CHECKED);
}
