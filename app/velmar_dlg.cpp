#include "velmar_dlg.h"

#include "app_settings.h"
#include "code_messages.h"
#include "enter_key.h"
#include "resource.h"
#include "rop_code.h"
#include "rop_truth_table.h"
#include "velmar_app.h"

BEGIN_MESSAGE_MAP(CVelmarDlg, CDialog)
CHAIN_MSG_MAP_MEMBER(m_truthTable)
CHAIN_MSG_MAP_MEMBER(m_diagram)
CHAIN_MSG_MAP_MEMBER(m_panels[0])
CHAIN_MSG_MAP_MEMBER(m_panels[1])
CHAIN_MSG_MAP_MEMBER(m_mask)
CHAIN_MSG_MAP_MEMBER(m_meaning)
CHAIN_MSG_MAP_MEMBER(m_pictures[0])
CHAIN_MSG_MAP_MEMBER(m_pictures[1])
CHAIN_MSG_MAP_MEMBER(m_pictures[2])
CHAIN_MSG_MAP_MEMBER(m_undo)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_BLT_1TO2, &CVelmarDlg::OnBlt1To2)
ON_BN_CLICKED(IDC_BLT_2TO1, &CVelmarDlg::OnBlt2To1)
ON_COMMAND(ID_SYNC_FROM_HEX, &CVelmarDlg::OnSyncFromHex)
ON_COMMAND(ID_SYNC_FROM_TABLE, &CVelmarDlg::OnSyncFromTable)
ON_WM_DPICHANGED()
ON_MESSAGE(kScaleChangedMessage, &CVelmarDlg::OnScaleChanged)
ON_MESSAGE(kBringToFrontMessage, &CVelmarDlg::OnBringToFront)
ON_MESSAGE(WM_APP_GETCODE, &CVelmarDlg::OnGetCode)
ON_MESSAGE(WM_APP_SETCODE, &CVelmarDlg::OnSetCode)
END_MESSAGE_MAP()

CVelmarDlg::CVelmarDlg(CWnd* pParent)
    : CDialog(IDD_VELMAR_DIALOG, pParent),
      m_dwRop(kSrcCopy),
      m_truthTable(*this),
      m_diagram(*this),
      m_panels{{*this, 0, m_samplesStatus, m_history}, {*this, 1, m_samplesStatus, m_history}},
      m_mask(*this, m_panels[0].Panel(), m_panels[1].Panel(), m_history),
      m_meaning(*this),
      m_pictures{{*this, 0, m_panels[0].Panel().m_picture, &m_panels[0].Panel().m_crBk,
                  m_samplesStatus, m_history},
                 {*this, 1, m_panels[1].Panel().m_picture, &m_panels[1].Panel().m_crBk,
                  m_samplesStatus, m_history},
                 {*this, 2, m_mask.Mask(), nullptr, m_mask.Status(), m_history}},
      m_undo(*this, m_history, m_panels[0].Panel(), m_panels[1].Panel()),
      // Bitmap 2 before Bitmap 1, the mask after both: the order the pictures have always been
      // made in.
      m_groups{&m_truthTable, &m_diagram,     &m_panels[1],   &m_panels[0],   &m_mask,
               &m_meaning,    &m_pictures[0], &m_pictures[1], &m_pictures[2], &m_undo} {}

// The order matters where a field fails: the B&W boxes are read before the code, the colours
// after it, so a code that cannot be read leaves the colours as they were; the brushes' origins
// last, so one out of range stops only them.
void CVelmarDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_SAMPLES_STATUS, m_samplesStatus);
    for (CDialogGroup* group : m_groups) group->AttachControls(pDX);
    for (CSamplePanelGroup& panel : m_panels) panel.ExchangeMode(pDX);
    m_truthTable.ExchangeCode(pDX, m_dwRop);
    if (!pDX->m_bSaveAndValidate && !m_bSetUp) {
        for (CDialogGroup* group : m_groups) group->SetUp();
        m_bSetUp = true;
    }
    for (CSamplePanelGroup& panel : m_panels) panel.ExchangeColors(pDX);
    if (!pDX->m_bSaveAndValidate)
        for (const CPictureGroup& picture : m_pictures) picture.Invalidate();
    for (CSamplePanelGroup& panel : m_panels) panel.ExchangeBrush(pDX);
}

BOOL CVelmarDlg::ExchangeCode(BOOL bSaveAndValidate) {
    return UpdateData(bSaveAndValidate,
                      [this](CDataExchange* pDX) { m_truthTable.ExchangeCode(pDX, m_dwRop); });
}

void CVelmarDlg::SyncRopCode(BOOL bFromCheckBoxes) {
    ExchangeCode(TRUE);
    if (bFromCheckBoxes) {
        const DWORD code = RopTruthTable::CodeFromIndex(m_truthTable.ResultIndex());
        if (code != m_dwRop) {
            m_dwRop = code;
            ExchangeCode(FALSE);
        }
    }
    ShowCode();
}

void CVelmarDlg::SetCode(DWORD dwRop) {
    ExchangeCode(TRUE);
    m_dwRop = dwRop;
    ExchangeCode(FALSE);
    ShowCode();
}

// Of the operation the code names by its bits 16 to 23, so a Hex text out of range is shown as
// the result column shows it.
void CVelmarDlg::ShowCode() {
    const std::uint8_t index = RopTruthTable::IndexOfCode(m_dwRop);
    m_truthTable.ShowIndex(index);
    m_diagram.ShowIndex(index);
    m_meaning.ShowIndex(index);
    m_mask.ShowRop4();
}

DWORD CVelmarDlg::CurrentCode() const {
    if (CheckRopCodeRange(m_dwRop)) return m_dwRop;
    return RopTruthTable::CodeFromIndex(m_truthTable.ResultIndex());
}

void CVelmarDlg::BltOnto(int nDestination) {
    AfxRunCommittedCommand(*this, [&] {
        SamplePanel& destination = m_panels[nDestination].Panel();
        const BOOL drawn = m_history.RecordChange(destination.m_picture, [&] {
            return BltSample(m_panels[1 - nDestination].Panel(), destination, m_dwRop);
        });
        m_panels[nDestination].Report(
            drawn, "The blit onto " + m_panels[nDestination].Name() + " failed; it is as it was.");
    });
}

BOOL CVelmarDlg::OnInitDialog() {
    // A first load that failed has ended the dialog: nothing more is set up on it.
    if (!CDialog::OnInitDialog()) return FALSE;
    m_icon.SetForScale(*this, AfxGetWindowDpi(m_hWnd));
    AfxNameControlsFromStringTable(m_hWnd);
    SyncRopCode(FALSE);
    const AppSettings& settings = static_cast<CVelmarApp*>(AfxGetApp())->m_settings;
    if (settings.m_dwVersion != settings.m_dwPrevVersion) {
        // Synchronous: the About box runs before the main window is first shown. Posted: the
        // window is shown by then, and the box that had the front has gone.
        SendMessage(WM_COMMAND, ID_APP_ABOUT, 0);
        PostMessage(kBringToFrontMessage);
    }
    return TRUE;
}

void CVelmarDlg::OnOK() { AnswerEnterKey(m_hWnd); }

LRESULT CVelmarDlg::OnBringToFront(WPARAM, LPARAM) {
    SetForegroundWindow();
    return 0;
}

void CVelmarDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    const UINT command = nID & 0xFFF0;
    if (command == SC_SIZE || command == SC_MAXIMIZE) return;
    CDialog::OnSysCommand(nID, lParam);
}

void CVelmarDlg::OnPaint() {
    if (!m_icon.PaintMinimised(*this)) CDialog::OnPaint();
}

// The system's own handling lays the controls out at the new scale, and so it must run first:
// the pictures take the sizes it gives their buttons.
void CVelmarDlg::OnDpiChanged(UINT nDpi, const RECT*) {
    PostMessage(kScaleChangedMessage, nDpi);
    Default();
}

LRESULT CVelmarDlg::OnScaleChanged(WPARAM wParam, LPARAM) {
    const auto dpi = static_cast<UINT>(wParam);
    m_icon.SetForScale(*this, dpi);
    for (CDialogGroup* group : m_groups) group->OnScaleChanged(dpi);
    return 0;
}
