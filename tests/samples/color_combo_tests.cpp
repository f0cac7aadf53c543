#include <gtest/gtest.h>

#include "color_combo.h"
#include "gdi_quota.h"
#include "message_box_watcher.h"
#include "resource.h"
#include "test_panel.h"
#include "ui_test.h"

namespace {

constexpr COLORREF kPalette[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                   0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                   0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// Keeps the selection field's last drawing request, and gives the GDI handles back when drawing
// fails, so the failure's report can be shown.
class CWatchedColorCombo : public CColorCombo {
public:
    DRAWITEMSTRUCT m_lastField{};
    int m_fieldDrawings = 0;
    GdiQuotaHog* m_hog = nullptr;

    void DrawItem(LPDRAWITEMSTRUCT item) override {
        if (item->itemState & ODS_COMBOBOXEDIT) {
            m_lastField = *item;
            ++m_fieldDrawings;
        }
        try {
            CColorCombo::DrawItem(item);
        } catch (...) {
            if (m_hog) m_hog->Release();
            throw;
        }
    }
};

// The real main-window template: its six pickers are the real owner-drawn drop-down lists.
class CComboTestDlg : public CDialog {
public:
    CComboTestDlg() : CDialog(IDD_VELMAR_DIALOG) {}
    CWatchedColorCombo m_combo;  // "Pattern Color:" of "Bitmap 1"
    CColorCombo m_empty;         // "Bk Color:", never filled
    bool m_fillOnLoad = false;

    BOOL Open() { return Create(IDD_VELMAR_DIALOG) && m_combo.m_hWnd && m_empty.m_hWnd; }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_PATTERN_COLOR1, m_combo);
        DDX_Control(pDX, IDC_BK_COLOR1, m_empty);
        if (m_fillOnLoad && !pDX->m_bSaveAndValidate) m_combo.AddColors();
    }
};

TEST(ColorCombo, ListsTheSixteenColoursInOrderAsItemData) {
    CComboTestDlg dlg;
    ASSERT_TRUE(dlg.Open());
    dlg.m_combo.AddColors();
    ASSERT_EQ(dlg.m_combo.GetCount(), 16);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(dlg.m_combo.GetItemData(i), static_cast<DWORD_PTR>(kPalette[i])) << "entry " << i;
    EXPECT_EQ(dlg.m_combo.GetCurSel(), -1);
}

TEST(ColorCombo, SelectColorFindsTheLastEntryOfExactlyThatColour) {
    CComboTestDlg dlg;
    ASSERT_TRUE(dlg.Open());
    EXPECT_EQ(dlg.m_empty.SelectColor(kWhite), -1);
    EXPECT_EQ(dlg.m_empty.GetCurSel(), -1);

    CColorCombo& combo = dlg.m_combo;
    combo.AddColors();
    EXPECT_EQ(combo.SelectColor(0x00FFFFFF), 15);
    EXPECT_EQ(combo.GetCurSel(), 15);
    EXPECT_EQ(combo.SelectColor(0x00000000), 0);
    EXPECT_EQ(combo.GetCurSel(), 0);
    // Not in the palette: nothing changes. All 32 bits count.
    for (const COLORREF outside : {0x00123456u, 0x01FFFFFFu, 0x00FEFFFFu}) {
        EXPECT_EQ(combo.SelectColor(outside), -1);
        EXPECT_EQ(combo.GetCurSel(), 0);
    }
    for (int i = 0; i < 16; ++i) EXPECT_EQ(combo.SelectColor(kPalette[i]), i);

    const int extra = combo.AddString("");
    combo.SetItemData(extra, kPalette[3]);
    EXPECT_EQ(combo.SelectColor(kPalette[3]), extra) << "the search runs from the last entry";
}

TEST(ColorCombo, GetSelectedColorGivesTheEntrysColourOrBlackWithoutASelection) {
    CComboTestDlg dlg;
    ASSERT_TRUE(dlg.Open());
    EXPECT_EQ(dlg.m_empty.GetSelectedColor(), kBlack);
    CColorCombo& combo = dlg.m_combo;
    combo.AddColors();
    EXPECT_EQ(combo.GetSelectedColor(), kBlack);
    combo.SetCurSel(10);
    EXPECT_EQ(combo.GetSelectedColor(), 0x0000FF00u);
    for (int i = 0; i < 16; ++i) {
        combo.SetCurSel(i);
        EXPECT_EQ(combo.GetSelectedColor(), kPalette[i]);
    }
    combo.SetCurSel(-1);
    EXPECT_EQ(combo.GetSelectedColor(), kBlack);
}

// A 20-pixel-high item at (4, 5), 50 wide: its bar is 14 high and 12 narrower.
constexpr RECT kItem{4, 5, 54, 25};
constexpr RECT kBar{10, 8, 48, 22};
constexpr COLORREF kFill = RGB(0x11, 0x22, 0x33);

DRAWITEMSTRUCT ItemRequest(HDC dc, UINT action, UINT state) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_COMBOBOX;
    item.CtlID = IDC_PATTERN_COLOR1;
    item.itemID = 12;
    item.itemAction = action;
    item.itemState = state;
    item.hDC = dc;
    item.rcItem = kItem;
    item.itemData = kPalette[12];
    return item;
}

TEST(ColorCombo, DrawsTheEntryAsABarFramedInTheHighlightOrWindowColour) {
    CColorCombo combo;
    DrawTarget target({60, 30}, kFill);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    ASSERT_NE(highlight, window);
    const Pixels untouched = target.Read();
    const struct {
        UINT action;
        UINT state;
        COLORREF frame;
    } cases[] = {
        {ODA_DRAWENTIRE, ODS_SELECTED, highlight},
        {ODA_DRAWENTIRE, 0, window},
        {ODA_SELECT, ODS_SELECTED | ODS_FOCUS, highlight},
        {ODA_SELECT, ODS_FOCUS, window},
        {ODA_DRAWENTIRE | ODA_FOCUS, ODS_SELECTED | ODS_FOCUS, highlight},
    };
    for (const auto& c : cases) {
        target.Fill(kFill);
        DRAWITEMSTRUCT item = ItemRequest(target.dc, c.action, c.state);
        combo.DrawItem(&item);
        const Pixels expected = Painted(Painted(untouched, target.size, kItem, c.frame),
                                        target.size, kBar, kPalette[12]);
        EXPECT_EQ(target.Read(), expected) << "action " << c.action << " state " << c.state;
    }

    // A bar of the list's own colour is outlined: a white choice must not look like none.
    target.Fill(kFill);
    DRAWITEMSTRUCT same = ItemRequest(target.dc, ODA_DRAWENTIRE, 0);
    same.itemData = window;
    combo.DrawItem(&same);
    RECT inside = kBar;
    ::InflateRect(&inside, -1, -1);
    const Pixels outlined = Painted(Painted(Painted(untouched, target.size, kItem, window),
                                            target.size, kBar, ::GetSysColor(COLOR_WINDOWTEXT)),
                                    target.size, inside, window);
    EXPECT_EQ(target.Read(), outlined);

    // A change of focus alone draws nothing: no focus rectangle, ever.
    target.Fill(kFill);
    DRAWITEMSTRUCT focus = ItemRequest(target.dc, ODA_FOCUS, ODS_FOCUS | ODS_SELECTED);
    combo.DrawItem(&focus);
    EXPECT_EQ(target.Read(), untouched);
}

TEST(ColorCombo, TheRealControlShowsItsSelectionAsAColourBar) {
    CComboTestDlg dlg;
    ASSERT_TRUE(dlg.Open());
    CWatchedColorCombo& combo = dlg.m_combo;
    combo.AddColors();
    combo.SelectColor(kPalette[10]);
    dlg.ShowWindow(SW_SHOWNORMAL);
    ::UpdateWindow(dlg.m_hWnd);
    ASSERT_TRUE(PumpUntil([&] { return combo.m_fieldDrawings > 0; }));

    for (bool focused : {false, true}) {
        if (focused) ::SetFocus(combo.m_hWnd);
        ::InvalidateRect(combo.m_hWnd, nullptr, TRUE);
        combo.m_fieldDrawings = 0;
        ::UpdateWindow(combo.m_hWnd);
        PumpMessages();
        ASSERT_GT(combo.m_fieldDrawings, 0);
        const DRAWITEMSTRUCT& field = combo.m_lastField;
        EXPECT_EQ(field.itemID, 10u);
        EXPECT_EQ(field.itemData, static_cast<ULONG_PTR>(kPalette[10]));
        EXPECT_EQ((field.itemState & ODS_SELECTED) != 0, focused);
        const COLORREF frame = ::GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_WINDOW);

        SIZE size{};
        const Pixels shown = ReadWindowClient(combo.m_hWnd, &size);
        RECT bar = field.rcItem;
        ::InflateRect(&bar, -6, -3);
        const Pixels expected =
            Painted(Painted(shown, size, field.rcItem, frame), size, bar, kPalette[10]);
        EXPECT_EQ(shown, expected) << (focused ? "focused" : "not focused");
    }
}

// A real combo box whose list has no room left after `limit` entries, as one out of memory.
class RefusingCombo {
public:
    RefusingCombo(HWND combo, UINT refused, int limit) : m_combo(combo) {
        s_refused = refused;
        s_limit = limit;
        s_original = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RefusingProc)));
    }
    ~RefusingCombo() {
        ::SetWindowLongPtrA(m_combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_original));
    }

private:
    static LRESULT CALLBACK RefusingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == s_refused && ::CallWindowProcA(s_original, hWnd, CB_GETCOUNT, 0, 0) >=
                                        s_limit + (message == CB_SETITEMDATA))
            return CB_ERRSPACE;
        return ::CallWindowProcA(s_original, hWnd, message, wParam, lParam);
    }
    HWND m_combo;
    static inline WNDPROC s_original = nullptr;
    static inline UINT s_refused = 0;
    static inline int s_limit = 0;
};

TEST(ColorCombo, AnEntryTheControlRefusesStopsTheFillAsOutOfMemory) {
    for (const UINT refused : {CB_ADDSTRING, CB_SETITEMDATA}) {
        CComboTestDlg dlg;
        ASSERT_TRUE(dlg.Open());
        RefusingCombo refusing(dlg.m_combo.m_hWnd, refused, 5);
        EXPECT_THROW(dlg.m_combo.AddColors(), CMemoryException);
        EXPECT_EQ(dlg.m_combo.GetCount(), refused == CB_ADDSTRING ? 5 : 6);
    }

    // As the main window fills its pickers: inside its first data load.
    CComboTestDlg dlg;
    ASSERT_TRUE(dlg.Open());
    RefusingCombo refusing(dlg.m_combo.m_hWnd, CB_ADDSTRING, 5);
    dlg.m_fillOnLoad = true;
    MessageBoxWatcher boxes;
    EXPECT_FALSE(dlg.UpdateData(FALSE));
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.Last().text, "Out of memory.");
    EXPECT_EQ(boxes.Last().icon, static_cast<UINT>(MB_ICONEXCLAMATION));
}

TEST(ColorCombo, MissingBrushStopsTheDrawingAsAnUnavailableResource) {
    CColorCombo combo;
    DrawTarget target({60, 30}, kFill);
    DRAWITEMSTRUCT item = ItemRequest(target.dc, ODA_DRAWENTIRE, 0);
    const size_t headroom = GdiHeadroom();
    const Pixels untouched = target.Read();
    {
        GdiQuotaHog hog;
        EXPECT_THROW(combo.DrawItem(&item), CResourceException);
    }
    EXPECT_EQ(target.Read(), untouched) << "no brush, no drawing";
    {
        GdiQuotaHog hog;
        hog.Free(1);
        EXPECT_THROW(combo.DrawItem(&item), CResourceException);
    }
    EXPECT_EQ(GdiHeadroom(), headroom) << "the frame's brush is gone too";

    // Through the dialog, as the platform asks for a drawing: no box while it paints, which would
    // paint again in its own loop, but a plain fallback, and the fault reported once, afterwards.
    CComboTestDlg dlg;
    ASSERT_TRUE(dlg.Open());
    dlg.m_combo.AddColors();
    item.hwndItem = dlg.m_combo.m_hWnd;
    MessageBoxWatcher boxes;
    const Pixels fallback = Painted(untouched, target.size, kItem, ::GetSysColor(COLOR_WINDOW));
    const auto failToDraw = [&](CComboTestDlg& owner) {
        target.Fill(kFill);
        item.hwndItem = owner.m_combo.m_hWnd;
        GdiQuotaHog hog;
        owner.m_combo.m_hog = &hog;
        owner.SendMessage(WM_DRAWITEM, IDC_PATTERN_COLOR1, reinterpret_cast<LPARAM>(&item));
        owner.m_combo.m_hog = nullptr;
    };
    for (int attempt = 0; attempt < 2; ++attempt) {
        failToDraw(dlg);
        EXPECT_EQ(boxes.Count(), attempt) << "nothing shown while painting";
        EXPECT_EQ(target.Read(), fallback);
        PumpMessages();
    }
    ASSERT_EQ(boxes.Count(), 1) << "reported once, however often the drawing fails";
    EXPECT_EQ(boxes.Last().text, "A required resource was unavailable.");
    EXPECT_EQ(boxes.Last().icon, static_cast<UINT>(MB_ICONSTOP));

    // Per window: one that goes before its report arrives takes its fault with it, and another
    // window's fault is still told.
    for (const bool destroyedFirst : {true, false}) {
        CComboTestDlg other;
        ASSERT_TRUE(other.Open());
        other.m_combo.AddColors();
        failToDraw(other);
        if (destroyedFirst) other.DestroyWindow();
        PumpMessages();
    }
    EXPECT_EQ(boxes.Count(), 2);
}

}  // namespace
