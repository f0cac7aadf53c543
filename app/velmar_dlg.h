#pragma once

#include "afxwin.h"
#include "color_combo.h"
#include "resource.h"
#include "rop_code.h"
#include "rop_reader.h"
#include "rop_truth_table.h"
#include "sample_mask.h"
#include "sample_panel.h"

// The main window: the truth table and the Hex field as two views of one ROP code, and the two
// sample panels that try the code.
class CVelmarDlg : public CDialog {
public:
    explicit CVelmarDlg(CWnd* pParent = nullptr);

    void SyncRopCode(BOOL bFromCheckBoxes);

protected:
    CColorCombo m_comboPattern1;
    CColorCombo m_comboBk1;
    CColorCombo m_comboText1;
    CColorCombo m_comboPattern2;
    CColorCombo m_comboBk2;
    CColorCombo m_comboText2;
    BOOL m_bMono[2];
    DWORD m_dwRop;
    HICON m_hIcon;
    SIZE m_sizeBitmap[2] = {};
    CBitmap m_bitmap[2];
    CDC m_dcMem[2];  // after m_bitmap: destroyed first, so a DC never outlives its bitmap
    COLORREF m_crPattern[2];
    COLORREF m_crBk[2];
    COLORREF m_crText[2];
    int m_nMeaningIndex = -1;  // the index the "Meaning" area shows, -1 before the first
    // A panel that shows its default picture is drawn anew at a new scale; any other picture is
    // stretched to the new size, so what the user made survives the move.
    bool m_bDefaultPicture[2] = {true, true};
    SampleMask m_mask;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    void OnBlt1To2() {
        RunPanelCommand([this] { BltOnto(1); });
    }
    void OnBlt2To1() {
        RunPanelCommand([this] { BltOnto(0); });
    }
    void OnBW1() {
        RunPanelCommand([this] { RecreateSampleBitmap(0); });
    }
    void OnBW2() {
        RunPanelCommand([this] { RecreateSampleBitmap(1); });
    }
    void OnClear1() {
        RunPanelCommand([this] { ClearPicture(0); });
    }
    void OnClear2() {
        RunPanelCommand([this] { ClearPicture(1); });
    }
    void OnDefaults1() {
        RunPanelCommand([this] { ResetSampleColors(Panel(0)); });
    }
    void OnDefaults2() {
        RunPanelCommand([this] { ResetSampleColors(Panel(1)); });
    }
    void OnSrcCopy() { SetCode(kSrcCopy); }
    void OnSyncFromHex() { SyncRopCode(FALSE); }
    void OnSyncFromTable() { SyncRopCode(TRUE); }
    void OnSetExpression();
    void OnExpressionChanged();
    void OnCopyAsC();
    LRESULT OnBringToFront(WPARAM, LPARAM);

    // The mask group (mask_group.cpp).
    void OnMaskBlt1To2() { MaskBltOnto(1); }
    void OnMaskBlt2To1() { MaskBltOnto(0); }
    void OnInvertMask() {
        RunPanelCommand([this] { m_mask.Invert(); });
    }
    void OnMaskFrom1() {
        RunPanelCommand([this] { m_mask.TakeFrom(Panel(0)); });
    }
    void OnClearMask() {
        RunPanelCommand([this] { m_mask.DrawDefault(); });
    }
    void OnBackgroundChanged() { ShowRop4(); }

    // Enter (enter_key.cpp).
    void OnOK() override;
    void OnExpressionFocus();
    void OnExpressionFocusLost();

    // A change of scale (scale_change.cpp).
    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    void OnDpiChanged(UINT nDpi, const RECT* pSuggested);
    LRESULT OnScaleChanged(WPARAM wParam, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    static constexpr int kPickerCount = 6;
    // Posted by the dialog to itself.
    static constexpr UINT kBringToFrontMessage = WM_APP + 1;
    static constexpr UINT kScaleChangedMessage = WM_APP + 2;
    SamplePanel Panel(int nPanel);
    // Commit, act, load: the action runs even when the commit failed, which has then told the
    // user already.
    template <typename Action>
    void RunPanelCommand(Action action) {
        UpdateData(TRUE);
        action();
        UpdateData(FALSE);
    }
    void SetUpFirstLoad();
    // Commit, the code, load, and the result column from it: SRCCOPY and Set.
    void SetCode(DWORD dwRop);
    RopTruthTable::Results ResultColumn() const;
    void ShowMeaning();
    // A text the field holds that cannot be read: said in the status line, its fault selected.
    void ShowFault(int nFieldId, const RopReading& reading);
    void RecreateSampleBitmap(int nPanel);
    void BltOnto(int nDestination);
    void ClearPicture(int nPanel);
    // A picture button's client area in device pixels: the size its bitmap is made at.
    SIZE PictureSize(int nPictureId) const;
    static int PictureId(int nPanel) { return nPanel == 0 ? IDC_PICTURE1 : IDC_PICTURE2; }
    void RescalePicture(int nPanel);
    void SetIcons(UINT dpi);
    // The code a blit uses while the Hex field holds one, else the table's code of the column.
    DWORD CurrentCode() const;
    void SetUpMaskGroup();
    void SetUpCopyForms();
    void MaskBltOnto(int nDestination);
    void ShowRop4();
    void InvalidatePictures();
    CColorCombo* Picker(int n);
    static bool IsPickerId(int id);
    COLORREF& PickerColor(int n);
};
