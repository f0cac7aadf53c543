// The main window at a new scale: moved to a monitor of another scale, or the scale changed
// under it. The system lays the dialog out anew (per-monitor awareness, version 2); what it
// cannot know is kept sharp here: the pictures, the pickers' entries and the icons.
#include "dialog_icons.h"
#include "resource.h"
#include "velmar_dlg.h"

// Arrives while the pickers are made, before WM_INITDIALOG, and so before they are attached.
void CVelmarDlg::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (!IsPickerId(nIDCtl)) {
        CDialog::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
        return;
    }
    lpMeasureItemStruct->itemHeight =
        static_cast<UINT>(CColorCombo::ItemHeight(AfxGetWindowDpi(m_hWnd)));
}

// The system's own handling lays the controls out at the new scale, and so it must run first:
// the pictures take the sizes it gives their buttons.
void CVelmarDlg::OnDpiChanged(UINT nDpi, const RECT*) {
    PostMessage(kScaleChangedMessage, nDpi);
    Default();
}

LRESULT CVelmarDlg::OnScaleChanged(WPARAM wParam, LPARAM) {
    const auto dpi = static_cast<UINT>(wParam);
    for (int n = 0; n < kPickerCount; ++n)
        if (Picker(n)->m_hWnd) Picker(n)->SetItemHeights(dpi);
    SetIcons(dpi);
    for (int nPanel : {1, 0}) RescalePicture(nPanel);
    m_mask.Rescale(PictureSize(IDC_MASK_PICTURE));
    InvalidatePictures();
    return 0;
}

void CVelmarDlg::RescalePicture(int nPanel) {
    const SIZE size = PictureSize(PictureId(nPanel));
    if (size.cx == m_sizeBitmap[nPanel].cx && size.cy == m_sizeBitmap[nPanel].cy) return;
    if (m_bDefaultPicture[nPanel])
        RecreateSampleBitmap(nPanel);
    else
        StretchSampleBitmap(Panel(nPanel), size);
}

void CVelmarDlg::SetIcons(UINT dpi) {
    SetDialogIcons(this, 0, dpi);
    if (const HICON icon = LoadCachedIcon(kProgramIconId, LargeIconSize(dpi))) m_hIcon = icon;
}
