#include "sample_panel_group.h"

#include "picture_kind.h"
#include "resource.h"

const CSamplePanelGroup::Controls CSamplePanelGroup::kControls[2] = {
    {IDC_PICTURE1, IDC_PATTERN_COLOR1, IDC_BK_COLOR1, IDC_TEXT_COLOR1, IDC_MONO1,
     IDC_DEFAULT_PICTURE1, IDC_DEFAULT_COLORS1},
    {IDC_PICTURE2, IDC_PATTERN_COLOR2, IDC_BK_COLOR2, IDC_TEXT_COLOR2, IDC_MONO2,
     IDC_DEFAULT_PICTURE2, IDC_DEFAULT_COLORS2},
};

BEGIN_MESSAGE_MAP(CSamplePanelGroup, CDialogGroup)
ON_CONTROL_RANGE(BN_CLICKED, IDC_MONO1, IDC_MONO2, &CSamplePanelGroup::OnMono)
ON_CONTROL_RANGE(BN_CLICKED, IDC_DEFAULT_PICTURE1, IDC_DEFAULT_PICTURE2,
                 &CSamplePanelGroup::OnDefaultPicture)
ON_CONTROL_RANGE(BN_CLICKED, IDC_DEFAULT_COLORS1, IDC_DEFAULT_COLORS2,
                 &CSamplePanelGroup::OnDefaultColors)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_BRUSH1, IDC_BRUSH2, &CSamplePanelGroup::OnBrushListed)
ON_CONTROL_RANGE(BN_CLICKED, IDC_BRUSH_EDIT1, IDC_BRUSH_EDIT2, &CSamplePanelGroup::OnEditPattern)
END_MESSAGE_MAP()

CSamplePanelGroup::CSamplePanelGroup(CWnd& window, int nPanel, CStatusLine& status,
                                     PictureHistory& history)
    : CDialogGroup(window),
      m_nPanel(nPanel),
      m_ids(kControls[nPanel]),
      m_status(status),
      m_history(history),
      m_panel(nPanel),
      m_brush(window, nPanel, m_panel.m_brush) {}

AfxMsgHandler CSamplePanelGroup::FindHandler(UINT nMessage, UINT nCode, UINT nID) {
    if (nMessage == WM_COMMAND && !IsOwnControl(nID)) return {};
    return CDialogGroup::FindHandler(nMessage, nCode, nID);
}

SIZE CSamplePanelGroup::PictureButtonSize() const {
    RECT client{};
    ::GetClientRect(Item(m_ids.picture), &client);
    return {client.right - client.left, client.bottom - client.top};
}

bool CSamplePanelGroup::IsOwnControl(UINT nID) const {
    for (const int id : {m_ids.mono, m_ids.defaultPicture, m_ids.defaultColors})
        if (nID == static_cast<UINT>(id)) return true;
    return m_brush.IsOwnControl(nID);
}

CColorCombo* CSamplePanelGroup::Picker(int n) {
    CColorCombo* pickers[] = {&m_comboPattern, &m_comboBk, &m_comboText};
    return pickers[n];
}

COLORREF& CSamplePanelGroup::PickerColor(int n) {
    COLORREF* colors[] = {&m_panel.m_crPattern, &m_panel.m_crBk, &m_panel.m_crText};
    return *colors[n];
}

void CSamplePanelGroup::AttachControls(CDataExchange* pDX) {
    const int pickerIds[] = {m_ids.pattern, m_ids.background, m_ids.text};
    for (int n = 0; n < 3; ++n) DDX_Control(pDX, pickerIds[n], *Picker(n));
}

void CSamplePanelGroup::ExchangeMode(CDataExchange* pDX) {
    DDX_Check(pDX, m_ids.mono, m_panel.m_bMono);
}

void CSamplePanelGroup::ExchangeColors(CDataExchange* pDX) {
    if (pDX->m_bSaveAndValidate) {
        for (int n = 0; n < 3; ++n) PickerColor(n) = Picker(n)->GetSelectedColor();
        return;
    }
    for (int n = 0; n < 3; ++n) Picker(n)->SelectColor(PickerColor(n));
}

void CSamplePanelGroup::SetUp() {
    const UINT dpi = AfxGetWindowDpi(Window());
    for (int n = 0; n < 3; ++n) {
        Picker(n)->AddColors();
        Picker(n)->SetItemHeights(dpi);
    }
    m_brush.SetUp();
    CreateSampleBitmap(m_panel, PictureButtonSize());
}

void CSamplePanelGroup::OnScaleChanged(UINT dpi) {
    for (int n = 0; n < 3; ++n) Picker(n)->SetItemHeights(dpi);
    if (!m_panel.m_picture.Rescale(PictureButtonSize()))
        m_status.Show((Name() + " could not be made at the new scale.").c_str());
}

void CSamplePanelGroup::Report(BOOL done, const std::string& fault) {
    if (done)
        m_status.Clear();
    else
        m_status.Show(m_history.ChangeRefused() ? PictureHistory::kRefusalText : fault.c_str());
}

void CSamplePanelGroup::OnMono(UINT) {
    RunCommittedCommand([this] {
        const BOOL made = m_history.RecordChange(m_panel.m_picture, [this] {
            return ChangePictureKind(m_panel.m_picture, m_panel.m_bMono != FALSE,
                                     PictureButtonSize());
        });
        Report(made, Name() + " could not be made; the system is low on resources.");
    });
}

void CSamplePanelGroup::OnDefaultPicture(UINT) {
    RunCommittedCommand([this] {
        const BOOL drawn = m_history.RecordChange(m_panel.m_picture, [this] {
            m_panel.m_picture.DrawDefault();
            return m_panel.m_picture.Ready();
        });
        Report(drawn, Name() + " has no picture; the system is low on resources.");
    });
}

void CSamplePanelGroup::OnDefaultColors(UINT) {
    RunCommittedCommand([this] { ResetSampleColors(m_panel); });
}
