#include "velmar_dlg.h"

#include "app_settings.h"
#include "dialog_icons.h"
#include "hex_exchange.h"
#include "meaning_view.h"
#include "resource.h"
#include "rop_code.h"
#include "rop_code_comment.h"
#include "status_line.h"
#include "velmar_app.h"

namespace {

// Where every run starts: nothing of the working state is kept between runs.
struct StartValues {
    DWORD rop;
    BOOL mono;
    COLORREF pattern;
    COLORREF background;
    COLORREF text;
};
constexpr StartValues kStart = {kSrcCopy, FALSE, kDefaultPatternColor, kDefaultBkColor,
                                kDefaultTextColor};

constexpr int kPickerIds[] = {IDC_PATTERN_COLOR1, IDC_BK_COLOR1, IDC_TEXT_COLOR1,
                              IDC_PATTERN_COLOR2, IDC_BK_COLOR2, IDC_TEXT_COLOR2};

}  // namespace

BEGIN_MESSAGE_MAP(CVelmarDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_BLT_1TO2, &CVelmarDlg::OnBlt1To2)
ON_BN_CLICKED(IDC_BLT_2TO1, &CVelmarDlg::OnBlt2To1)
ON_BN_CLICKED(IDC_MONO1, &CVelmarDlg::OnBW1)
ON_BN_CLICKED(IDC_MONO2, &CVelmarDlg::OnBW2)
ON_BN_CLICKED(IDC_CLEAR1, &CVelmarDlg::OnClear1)
ON_BN_CLICKED(IDC_CLEAR2, &CVelmarDlg::OnClear2)
ON_BN_CLICKED(IDC_SRCCOPY, &CVelmarDlg::OnSrcCopy)
ON_BN_CLICKED(IDC_DEFAULTS1, &CVelmarDlg::OnDefaults1)
ON_BN_CLICKED(IDC_DEFAULTS2, &CVelmarDlg::OnDefaults2)
ON_WM_DRAWITEM()
ON_COMMAND(ID_SYNC_FROM_HEX, &CVelmarDlg::OnSyncFromHex)
ON_COMMAND(ID_SYNC_FROM_TABLE, &CVelmarDlg::OnSyncFromTable)
ON_BN_CLICKED(IDC_EXPRESSION_SET, &CVelmarDlg::OnSetExpression)
ON_EN_CHANGE(IDC_EXPRESSION, &CVelmarDlg::OnExpressionChanged)
ON_BN_CLICKED(IDC_COPY_AS_C, &CVelmarDlg::OnCopyAsC)
ON_EN_SETFOCUS(IDC_EXPRESSION, &CVelmarDlg::OnExpressionFocus)
ON_EN_KILLFOCUS(IDC_EXPRESSION, &CVelmarDlg::OnExpressionFocusLost)
ON_BN_CLICKED(IDC_MASKBLT_1TO2, &CVelmarDlg::OnMaskBlt1To2)
ON_BN_CLICKED(IDC_MASKBLT_2TO1, &CVelmarDlg::OnMaskBlt2To1)
ON_BN_CLICKED(IDC_MASK_INVERT, &CVelmarDlg::OnInvertMask)
ON_BN_CLICKED(IDC_MASK_FROM1, &CVelmarDlg::OnMaskFrom1)
ON_BN_CLICKED(IDC_MASK_CLEAR, &CVelmarDlg::OnClearMask)
ON_EN_CHANGE(IDC_MASK_BACKGROUND, &CVelmarDlg::OnBackgroundChanged)
ON_WM_MEASUREITEM()
ON_WM_DPICHANGED()
ON_MESSAGE(kScaleChangedMessage, &CVelmarDlg::OnScaleChanged)
ON_MESSAGE(kBringToFrontMessage, &CVelmarDlg::OnBringToFront)
END_MESSAGE_MAP()

CVelmarDlg::CVelmarDlg(CWnd* pParent) : CDialog(IDD_VELMAR_DIALOG, pParent) {
    m_dwRop = kStart.rop;
    for (int n = 0; n < 2; ++n) {
        m_bMono[n] = kStart.mono;
        m_crPattern[n] = kStart.pattern;
        m_crBk[n] = kStart.background;
        m_crText[n] = kStart.text;
    }
    m_hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

SamplePanel CVelmarDlg::Panel(int nPanel) {
    return SamplePanel{m_bMono[nPanel],     m_sizeBitmap[nPanel], m_bitmap[nPanel], m_dcMem[nPanel],
                       m_crPattern[nPanel], m_crBk[nPanel],       m_crText[nPanel]};
}

CColorCombo* CVelmarDlg::Picker(int n) {
    CColorCombo* pickers[kPickerCount] = {&m_comboPattern1, &m_comboBk1, &m_comboText1,
                                          &m_comboPattern2, &m_comboBk2, &m_comboText2};
    return pickers[n];
}

bool CVelmarDlg::IsPickerId(int id) {
    for (const int pickerId : kPickerIds)
        if (id == pickerId) return true;
    return false;
}

COLORREF& CVelmarDlg::PickerColor(int n) {
    COLORREF* colors[kPickerCount] = {&m_crPattern[0], &m_crBk[0], &m_crText[0],
                                      &m_crPattern[1], &m_crBk[1], &m_crText[1]};
    return *colors[n];
}

void CVelmarDlg::DoDataExchange(CDataExchange* pDX) {
    for (int n = 0; n < kPickerCount; ++n) DDX_Control(pDX, kPickerIds[n], *Picker(n));
    DDX_Check(pDX, IDC_MONO1, m_bMono[0]);
    DDX_Check(pDX, IDC_MONO2, m_bMono[1]);
    DDX_Hex(pDX, IDC_HEX, m_dwRop);
    DDV_MinMaxHex(pDX, m_dwRop, kRopCodeMin, kRopCodeMax);

    if (pDX->m_bSaveAndValidate) {
        for (int n = 0; n < kPickerCount; ++n) PickerColor(n) = Picker(n)->GetSelectedColor();
        return;
    }
    if (m_comboBk1.GetCount() == 0) SetUpFirstLoad();
    for (int n = 0; n < kPickerCount; ++n) Picker(n)->SelectColor(PickerColor(n));
    InvalidatePictures();
}

void CVelmarDlg::InvalidatePictures() {
    for (const int id : {IDC_PICTURE1, IDC_PICTURE2, IDC_MASK_PICTURE})
        GetDlgItem(id)->InvalidateRect(nullptr, FALSE);
}

void CVelmarDlg::SetUpFirstLoad() {
    for (int n = 0; n < kPickerCount; ++n) Picker(n)->AddColors();
    for (int row = 1; row <= 8; ++row) {
        const RopTruthTable::Operands operands = RopTruthTable::RowOperands(row);
        CheckDlgButton(IDC_PATTERN_ROW1 + row - 1, operands.pattern);
        CheckDlgButton(IDC_SOURCE_ROW1 + row - 1, operands.source);
        CheckDlgButton(IDC_DEST_ROW1 + row - 1, operands.destination);
    }
    for (int n : {1, 0}) RecreateSampleBitmap(n);
    SetUpMaskGroup();
    SetUpCopyForms();
}

SIZE CVelmarDlg::PictureSize(int nPictureId) const {
    RECT picture;
    GetDlgItem(nPictureId)->GetClientRect(&picture);
    return {picture.right - picture.left, picture.bottom - picture.top};
}

void CVelmarDlg::RecreateSampleBitmap(int nPanel) {
    m_sizeBitmap[nPanel] = PictureSize(PictureId(nPanel));
    m_bDefaultPicture[nPanel] = true;
    CreateSampleBitmap(Panel(nPanel), nPanel);
}

void CVelmarDlg::BltOnto(int nDestination) {
    BltSample(Panel(0), Panel(1), 1 - nDestination, m_dwRop);
    m_bDefaultPicture[nDestination] = false;
}

void CVelmarDlg::ClearPicture(int nPanel) {
    DrawDefaultPicture(Panel(nPanel), nPanel);
    m_bDefaultPicture[nPanel] = true;
}

RopTruthTable::Results CVelmarDlg::ResultColumn() const {
    RopTruthTable::Results results{};
    for (int row = 1; row <= 8; ++row)
        results[row - 1] = IsDlgButtonChecked(IDC_RESULT_ROW1 + row - 1) == BST_CHECKED;
    return results;
}

void CVelmarDlg::SyncRopCode(BOOL bFromCheckBoxes) {
    UpdateData(TRUE);
    if (bFromCheckBoxes) {
        const DWORD code =
            RopTruthTable::CodeFromIndex(RopTruthTable::IndexFromResults(ResultColumn()));
        if (code != m_dwRop) {
            m_dwRop = code;
            UpdateData(FALSE);
        }
    } else {
        const RopTruthTable::Results wanted =
            RopTruthTable::ResultsFromIndex(RopTruthTable::IndexOfCode(m_dwRop));
        for (int row = 8; row >= 1; --row) {
            const int id = IDC_RESULT_ROW1 + row - 1;
            const bool checked = IsDlgButtonChecked(id) == BST_CHECKED;
            if (checked != wanted[row - 1])
                CheckDlgButton(id, wanted[row - 1] ? BST_CHECKED : BST_UNCHECKED);
        }
    }
    ShowMeaning();
    ShowRop4();
}

// Of the operation the result column shows, so a Hex text out of range or unreadable is
// described as the column shows it: by its bits 16 to 23.
void CVelmarDlg::ShowMeaning() {
    const std::uint8_t index = RopTruthTable::IndexFromResults(ResultColumn());
    if (index == m_nMeaningIndex) return;
    ShowRopMeaning(*this, index);
    m_nMeaningIndex = index;
}

BOOL CVelmarDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const bool hexHasFocus = ::GetFocus() == ::GetDlgItem(m_hWnd, IDC_HEX);
    // Posted, so the sync runs after the control has finished its own handling of the event.
    if (!hexHasFocus && id >= IDC_RESULT_ROW1 && id <= IDC_RESULT_ROW8)
        PostMessage(WM_COMMAND, ID_SYNC_FROM_TABLE, 0);
    else if (hexHasFocus && HIWORD(wParam) == EN_CHANGE && id == IDC_HEX)
        PostMessage(WM_COMMAND, ID_SYNC_FROM_HEX, 0);
    return CDialog::OnCommand(wParam, lParam);
}

void CVelmarDlg::SetCode(DWORD dwRop) {
    UpdateData(TRUE);
    m_dwRop = dwRop;
    UpdateData(FALSE);
    SyncRopCode(FALSE);
}

void CVelmarDlg::OnSetExpression() {
    CWnd* field = GetDlgItem(IDC_EXPRESSION);
    const CString text = field->GetWindowText();
    const RopReading reading = ReadRopOperation(RopInputKind::Field, text.GetString());
    if (!reading.result.ok) {
        ShowFault(IDC_EXPRESSION, reading);
        return;
    }
    ShowStatus(*this, "");
    SetCode(RopTruthTable::CodeFromIndex(reading.result.index));
}

// In the window, not in a message box: the status line says what is wrong, and the part of
// the text it speaks of is selected for the user to mend.
void CVelmarDlg::ShowFault(int nFieldId, const RopReading& reading) {
    ShowStatus(*this, DescribeRopReadingFault(reading.kind, reading.result));
    CWnd* field = GetDlgItem(nFieldId);
    field->SetFocus();
    const auto start = static_cast<int>(reading.result.errorOffset);
    field->SendMessage(EM_SETSEL, static_cast<WPARAM>(start),
                       static_cast<LPARAM>(start + static_cast<int>(reading.result.errorLength)));
}

// A mended text has no fault yet.
void CVelmarDlg::OnExpressionChanged() { ShowStatus(*this, ""); }

DWORD CVelmarDlg::CurrentCode() const {
    if (CheckRopCodeRange(m_dwRop)) return m_dwRop;
    return RopTruthTable::CodeFromIndex(RopTruthTable::IndexFromResults(ResultColumn()));
}

BOOL CVelmarDlg::OnInitDialog() {
    // A first load that failed has ended the dialog: nothing more is set up on it.
    if (!CDialog::OnInitDialog()) return FALSE;
    SetIcons(AfxGetWindowDpi(m_hWnd));
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
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int iconSize = LargeIconSize(AfxGetWindowDpi(m_hWnd));
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - iconSize + 1) / 2;
    const int y = (client.bottom - client.top - iconSize + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon, iconSize);
}

HCURSOR CVelmarDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CVelmarDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    const bool entire = (lpDrawItemStruct->itemAction & ODA_DRAWENTIRE) != 0;
    if (entire && (nIDCtl == IDC_PICTURE1 || nIDCtl == IDC_PICTURE2)) {
        DrawSamplePicture(Panel(nIDCtl == IDC_PICTURE1 ? 0 : 1), *lpDrawItemStruct);
        return;
    }
    if (entire && nIDCtl == IDC_MASK_PICTURE) {
        m_mask.Draw(*lpDrawItemStruct);
        return;
    }
    CDialog::OnDrawItem(nIDCtl, lpDrawItemStruct);
}
