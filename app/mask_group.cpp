// The mask group: MaskBlt tried on the two samples. The foreground operation is the code the
// window shows, the background one the code typed in the group's entry; the mask's 1 bits take
// the first, its 0 bits the second.
#include "resource.h"
#include "rop_code.h"
#include "rop_mask_entry.h"
#include "rop_mask_hint.h"
#include "rop_quaternary.h"
#include "rop_truth_table.h"
#include "status_line.h"
#include "velmar_dlg.h"

namespace {

// Keep the destination: with it, the mask's 0 bits leave the picture as it is.
constexpr char kDefaultBackground[] = "D";

struct Background {
    RopReading reading;
    DWORD code = 0;
};

Background ReadBackground(const CWnd& dialog) {
    const CString text = dialog.GetDlgItem(IDC_MASK_BACKGROUND)->GetWindowText();
    Background background{ReadRopMaskBackground(text.GetString()), 0};
    if (background.reading.result.ok)
        background.code = background.reading.givenCode
                              ? *background.reading.givenCode
                              : RopTruthTable::CodeFromIndex(background.reading.result.index);
    return background;
}

}  // namespace

void CVelmarDlg::SetUpMaskGroup() {
    m_mask.Create(PictureSize(IDC_MASK_PICTURE));
    SetDlgItemText(IDC_MASK_BACKGROUND, kDefaultBackground);
}

// An entry that cannot be read is said as Set says it, in the window, and nothing is drawn.
void CVelmarDlg::MaskBltOnto(int nDestination) {
    const Background background = ReadBackground(*this);
    if (!background.reading.result.ok) {
        ShowFault(IDC_MASK_BACKGROUND, background.reading);
        return;
    }
    ShowStatus(*this, "");
    RunPanelCommand([&] {
        MaskBltSample(Panel(0), Panel(1), 1 - nDestination, m_mask,
                      MakeRop4(CurrentCode(), background.code));
        m_bDefaultPicture[nDestination] = false;
    });
}

// The quaternary code as both halves stand now, with what it does; empty while the entry
// cannot be read.
void CVelmarDlg::ShowRop4() {
    if (!GetDlgItem(IDC_MASK_ROP4)) return;
    const Background background = ReadBackground(*this);
    if (!background.reading.result.ok) {
        SetDlgItemText(IDC_MASK_ROP4, "");
        SetDlgItemText(IDC_MASK_HINT, "");
        return;
    }
    const DWORD rop4 = MakeRop4(CurrentCode(), background.code);
    SetDlgItemText(IDC_MASK_ROP4,
                   (FormatFullRopCode(rop4) + "\r\n" + FormatMakeRop4(rop4)).c_str());
    SetDlgItemText(IDC_MASK_HINT, ("MaskBlt: " + DescribeRopMaskBlt(Rop4ForegroundIndex(rop4),
                                                                    Rop4BackgroundIndex(rop4)))
                                      .c_str());
}
