#include "panel_brush.h"

#include <commctrl.h>

#include "pattern_editor_dlg.h"
#include "resource.h"

namespace {

struct BrushControls {
    int list, originX, originY, originXSpin, originYSpin, edit, colors, patternPicker;
};

constexpr BrushControls kControls[2] = {
    {IDC_BRUSH1, IDC_BRUSH_ORIGIN_X1, IDC_BRUSH_ORIGIN_Y1, IDC_BRUSH_ORIGIN_X1_SPIN,
     IDC_BRUSH_ORIGIN_Y1_SPIN, IDC_BRUSH_EDIT1, IDC_BRUSH_COLORS1, IDC_PATTERN_COLOR1},
    {IDC_BRUSH2, IDC_BRUSH_ORIGIN_X2, IDC_BRUSH_ORIGIN_Y2, IDC_BRUSH_ORIGIN_X2_SPIN,
     IDC_BRUSH_ORIGIN_Y2_SPIN, IDC_BRUSH_EDIT2, IDC_BRUSH_COLORS2, IDC_PATTERN_COLOR2},
};

constexpr int kLastOrigin = 7;

}  // namespace

CPanelBrush::CPanelBrush(CWnd& window, int nPanel, SampleBrush& brush)
    : m_window(window), m_nPanel(nPanel), m_brush(brush) {}

void CPanelBrush::SetUp() {
    const BrushControls& ids = kControls[m_nPanel];
    for (const char* name : kBrushStyleNames)
        ::SendDlgItemMessageA(m_window, ids.list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    for (const int spin : {ids.originXSpin, ids.originYSpin})
        ::SendDlgItemMessageA(m_window, spin, UDM_SETRANGE32, 0, kLastOrigin);
}

void CPanelBrush::Exchange(CDataExchange* pDX) {
    const BrushControls& ids = kControls[m_nPanel];
    int style = static_cast<int>(m_brush.m_style);
    DDX_CBIndex(pDX, ids.list, style);
    if (style >= 0 && style < static_cast<int>(kBrushStyleNames.size()))
        m_brush.m_style = static_cast<BrushStyle>(style);
    for (const auto& [id, origin] : {std::pair<int, int*>{ids.originX, &m_brush.m_nOriginX},
                                     std::pair<int, int*>{ids.originY, &m_brush.m_nOriginY}}) {
        int value = *origin;
        DDX_Text(pDX, id, value);
        DDV_MinMaxInt(pDX, value, 0, kLastOrigin);
        *origin = value;
    }
    if (pDX->m_bSaveAndValidate) return;
    ShowStyle(m_brush.m_style);
    // A field the load mended after a refused origin stays selected for the user to retype.
    HWND focus = ::GetFocus();
    if (focus == ::GetDlgItem(m_window, ids.originX) ||
        focus == ::GetDlgItem(m_window, ids.originY))
        ::SendMessageA(focus, EM_SETSEL, 0, -1);
}

void CPanelBrush::ShowListedStyle() {
    const auto listed =
        ::SendDlgItemMessageA(m_window, kControls[m_nPanel].list, CB_GETCURSEL, 0, 0);
    if (listed >= 0 && listed < static_cast<LRESULT>(kBrushStyleNames.size()))
        ShowStyle(static_cast<BrushStyle>(listed));
}

void CPanelBrush::ShowStyle(BrushStyle style) {
    const BrushControls& ids = kControls[m_nPanel];
    const bool monochrome = TakesDcColors(style);
    ::EnableWindow(::GetDlgItem(m_window, ids.patternPicker), !monochrome);
    ::SetDlgItemTextA(m_window, ids.colors,
                      monochrome ? "0 bits: Text Color, 1 bits: Bk Color" : "");
}

void CPanelBrush::EditPattern() {
    CPatternEditorDlg editor(&m_window, m_nPanel + 1, m_brush.m_customPattern);
    if (editor.DoModal() == IDOK) m_brush.m_customPattern = editor.Pattern();
}

bool CPanelBrush::IsOwnControl(UINT nID) const {
    const BrushControls& ids = kControls[m_nPanel];
    return nID == static_cast<UINT>(ids.list) || nID == static_cast<UINT>(ids.edit);
}
