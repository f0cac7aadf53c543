#include "mask_group.h"

#include "code_messages.h"
#include "reading_fault.h"
#include "resource.h"
#include "rop_code.h"
#include "rop_mask_entry.h"
#include "rop_mask_hint.h"
#include "rop_quaternary.h"
#include "rop_truth_table.h"

namespace {

// Keep the destination: with it, the mask's 0 bits leave the picture as it is.
constexpr char kDefaultBackground[] = "D";

struct Background {
    RopReading reading;
    DWORD code = 0;
};

Background ReadBackground(HWND entry) {
    const CString text = CWnd::FromHandle(entry)->GetWindowText();
    Background background{ReadRopMaskBackground(text.GetString()), 0};
    if (background.reading.result.ok)
        background.code = background.reading.givenCode
                              ? *background.reading.givenCode
                              : RopTruthTable::CodeFromIndex(background.reading.result.index);
    return background;
}

}  // namespace

BEGIN_MESSAGE_MAP(CMaskGroup, CDialogGroup)
ON_BN_CLICKED(IDC_MASKBLT_1TO2, &CMaskGroup::OnMaskBlt1To2)
ON_BN_CLICKED(IDC_MASKBLT_2TO1, &CMaskGroup::OnMaskBlt2To1)
ON_BN_CLICKED(IDC_MASK_BLT_TO1, &CMaskGroup::OnMaskOnto1)
ON_BN_CLICKED(IDC_MASK_BLT_TO2, &CMaskGroup::OnMaskOnto2)
ON_BN_CLICKED(IDC_MASK_INVERT, &CMaskGroup::OnInvert)
ON_BN_CLICKED(IDC_MASK_FROM1, &CMaskGroup::OnFrom1)
ON_BN_CLICKED(IDC_MASK_DEFAULT_PICTURE, &CMaskGroup::OnDefaultPicture)
ON_EN_CHANGE(IDC_MASK_BACKGROUND, &CMaskGroup::OnBackgroundEdited)
END_MESSAGE_MAP()

void CMaskGroup::AttachControls(CDataExchange* pDX) { DDX_Control(pDX, IDC_MASK_STATUS, m_status); }

SIZE CMaskGroup::MaskButtonSize() const {
    RECT client{};
    ::GetClientRect(Item(IDC_MASK_PICTURE), &client);
    return {client.right - client.left, client.bottom - client.top};
}

void CMaskGroup::SetUp() {
    m_mask.Create(MaskButtonSize());
    ::SetDlgItemTextA(Window(), IDC_MASK_BACKGROUND, kDefaultBackground);
}

void CMaskGroup::OnScaleChanged(UINT) {
    Report(m_mask.Rescale(MaskButtonSize()), "The mask could not be made at the new scale.");
}

void CMaskGroup::Report(BOOL done, const char* fault) {
    if (done)
        m_status.Clear();
    else
        m_status.Show(m_history.ChangeRefused() ? PictureHistory::kRefusalText : fault);
}

// An entry that cannot be read is said in the group, and nothing is drawn.
void CMaskGroup::MaskBltOnto(int nDestination) {
    const Background background = ReadBackground(Item(IDC_MASK_BACKGROUND));
    if (!background.reading.result.ok) {
        ShowReadingFault(m_status, Item(IDC_MASK_BACKGROUND), background.reading);
        return;
    }
    RunCommittedCommand([&] {
        SamplePanel& destination = *m_panels[nDestination];
        const BOOL drawn = m_history.RecordChange(destination.m_picture, [&] {
            return MaskBltSample(*m_panels[1 - nDestination], destination, m_mask,
                                 MakeRop4(AskWindowCode(Window()), background.code));
        });
        Report(drawn, nDestination == 0 ? "MaskBlt onto Bitmap 1 failed; it is as it was."
                                        : "MaskBlt onto Bitmap 2 failed; it is as it was.");
    });
}

// The mask as an ordinary source, its 1 bits the destination's Bk Color and 0 bits its Text
// Color, as GDI converts any black-and-white source.
void CMaskGroup::BltMaskOnto(int nDestination) {
    RunCommittedCommand([&] {
        SamplePanel& destination = *m_panels[nDestination];
        const BOOL drawn = m_history.RecordChange(destination.m_picture, [&] {
            return BltMaskSample(m_mask, destination, AskWindowCode(Window()));
        });
        Report(drawn, nDestination == 0 ? "Blt of the mask onto Bitmap 1 failed; it is as it was."
                                        : "Blt of the mask onto Bitmap 2 failed; it is as it was.");
    });
}

void CMaskGroup::OnInvert() {
    RunCommittedCommand([this] {
        Report(m_history.RecordChange(m_mask, [this] { return m_mask.Invert(); }),
               "Invert failed; the mask is as it was.");
    });
}

void CMaskGroup::OnFrom1() {
    RunCommittedCommand([this] {
        Report(m_history.RecordChange(m_mask, [this] { return m_mask.TakeFrom(*m_panels[0]); }),
               "From 1 failed; the mask is as it was.");
    });
}

void CMaskGroup::OnDefaultPicture() {
    RunCommittedCommand([this] {
        const BOOL drawn = m_history.RecordChange(m_mask, [this] {
            m_mask.DrawDefault();
            return m_mask.Ready();
        });
        Report(drawn, "The mask has no picture; the system is low on resources.");
    });
}

// A mended entry has no fault yet, and the code it makes is shown at once.
void CMaskGroup::OnBackgroundEdited() {
    m_status.Clear();
    ShowRop4();
}

void CMaskGroup::ShowRop4() {
    const Background background = ReadBackground(Item(IDC_MASK_BACKGROUND));
    if (!background.reading.result.ok) {
        ::SetDlgItemTextA(Window(), IDC_MASK_ROP4, "");
        ::SetDlgItemTextA(Window(), IDC_MASK_HINT, "");
        return;
    }
    const DWORD rop4 = MakeRop4(AskWindowCode(Window()), background.code);
    ::SetDlgItemTextA(Window(), IDC_MASK_ROP4,
                      (FormatFullRopCode(rop4) + "\r\n" + FormatMakeRop4(rop4)).c_str());
    ::SetDlgItemTextA(
        Window(), IDC_MASK_HINT,
        ("MaskBlt: " + DescribeRopMaskBlt(Rop4ForegroundIndex(rop4), Rop4BackgroundIndex(rop4)))
            .c_str());
}
