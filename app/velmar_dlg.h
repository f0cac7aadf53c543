#pragma once

#include "afxwin.h"
#include "diagram_group.h"
#include "mask_group.h"
#include "meaning_group.h"
#include "picture_group.h"
#include "sample_panel_group.h"
#include "truth_table_group.h"
#include "undo_group.h"
#include "window_icon.h"

// The main window: the mediator between its groups. It holds the current code and tells every
// group that shows it when it changes (ShowCode); the groups handle their own controls through
// their own message maps, chained from this one, and never know this class.
class CVelmarDlg : public CDialog {
public:
    explicit CVelmarDlg(CWnd* pParent = nullptr);

    // Brings the result column and the code into step, from the boxes or from the Hex field.
    void SyncRopCode(BOOL bFromCheckBoxes);

protected:
    DWORD m_dwRop;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL PreTranslateMessage(MSG* pMsg) override { return m_undo.TranslateKey(*pMsg); }

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon() { return static_cast<HCURSOR>(m_icon.m_hIcon); }
    void OnBlt1To2() { BltOnto(1); }
    void OnBlt2To1() { BltOnto(0); }
    void OnSyncFromHex() { SyncRopCode(FALSE); }
    void OnSyncFromTable() { SyncRopCode(TRUE); }
    void OnDpiChanged(UINT nDpi, const RECT* pSuggested);
    LRESULT OnScaleChanged(WPARAM wParam, LPARAM);
    LRESULT OnBringToFront(WPARAM, LPARAM);
    LRESULT OnGetCode(WPARAM, LPARAM) { return static_cast<LRESULT>(CurrentCode()); }
    LRESULT OnSetCode(WPARAM wParam, LPARAM) {
        SetCode(static_cast<DWORD>(wParam));
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    // Posted by the dialog to itself.
    static constexpr UINT kBringToFrontMessage = WM_APP + 1;
    static constexpr UINT kScaleChangedMessage = WM_APP + 2;

    // The code a blit uses: the Hex field's while it holds one in range, else the column's.
    DWORD CurrentCode() const;
    // Commit, the code, load, and the result column from it.
    void SetCode(DWORD dwRop);
    // The data exchange of the code alone: the Hex field and its range.
    BOOL ExchangeCode(BOOL bSaveAndValidate);
    // The one path a new code takes to the groups that show it.
    void ShowCode();
    void BltOnto(int nDestination);

    CStatusLine m_samplesStatus;
    PictureHistory m_history;  // before the pictures' groups, which hold on to it
    CTruthTableGroup m_truthTable;
    CDiagramGroup m_diagram;
    CSamplePanelGroup m_panels[2];
    CMaskGroup m_mask;
    CMeaningGroup m_meaning;
    CPictureGroup m_pictures[3];
    CUndoGroup m_undo;
    CDialogGroup* const m_groups[10];
    CWindowIcon m_icon;
    bool m_bSetUp = false;
};
