#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "gdi_quota.h"
#include "resource.h"
#include "rop_diagram_test_dialog.h"
#include "ui_test.h"

namespace {

// P top left, S top right, D below; the map's rows P 0 and P 1, its columns S D 00 01 11 10.
void ExpectRowsInPlace(const CRopDiagram& diagram) {
    POINT at[9];
    for (int row = 1; row <= 8; ++row) at[row] = diagram.RowPoint(row);
    if (!diagram.IsKarnaughMap()) {
        EXPECT_TRUE(at[5].x < at[8].x && at[8].x < at[3].x) << "P alone, all, S alone";
        EXPECT_TRUE(at[7].y < at[8].y && at[8].y < at[2].y) << "P S, all, D alone";
        return;
    }
    const int columns[] = {1, 2, 4, 3};  // the rows of P 0 from the left: S D 00 01 11 10
    for (int c = 0; c < 4; ++c) {
        const int row = columns[c];
        EXPECT_TRUE(c == 3 || at[row].x < at[columns[c + 1]].x) << row;
        EXPECT_TRUE(at[row].x == at[row + 4].x && at[row].y < at[row + 4].y) << "P 1 below " << row;
    }
}

// Every code in both views at 100 %; at 150 % and 200 %, with the control and its font grown
// together, codes that show each row as 0 and as 1. The diagram grows with them.
TEST(RopDiagram, EveryRowShowsItsResultInBothViewsAtEveryScale) {
    CGdiObject fonts[3];
    CDiagramDlg dlg;
    ASSERT_TRUE(dlg.Open());
    ::SetWindowPos(dlg.m_hWnd, nullptr, 0, 0, 600, 500, SWP_NOMOVE | SWP_NOZORDER);
    RECT base{};
    ::GetWindowRect(dlg.Diagram(), &base);
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(dlg.m_diagram.SendMessage(WM_GETFONT)), sizeof font,
                 &font);
    const LONG baseHeight = font.lfHeight;
    const unsigned some[] = {0x00, 0xFF, 0x55, 0xAA, 0x33, 0xCC, 0x0F, 0xF0};  // each row 0 and 1
    int spread[2] = {};  // from P alone to S alone at 100 %, in each view

    for (const int percent : {100, 150, 200}) {
        font.lfHeight = baseHeight * percent / 100;
        CGdiObject& scaled = fonts[percent / 50 - 2];
        scaled.Attach(::CreateFontIndirectA(&font));
        dlg.m_diagram.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(scaled.GetSafeHandle()));
        ::SetWindowPos(dlg.Diagram(), nullptr, 0, 0, (base.right - base.left) * percent / 100,
                       (base.bottom - base.top) * percent / 100, SWP_NOMOVE | SWP_NOZORDER);
        for (const bool karnaugh : {false, true}) {
            SCOPED_TRACE(std::to_string(percent) + (karnaugh ? " % Karnaugh map" : " % Venn"));
            dlg.m_diagram.SetKarnaughMap(karnaugh);
            ExpectRowsInPlace(dlg.m_diagram);
            std::string wrong;
            for (unsigned n = 0; n < (percent == 100 ? 256 : 8); ++n) {
                const unsigned index = percent == 100 ? n : some[n];
                dlg.m_diagram.ShowIndex(static_cast<std::uint8_t>(index));
                if (wrong.size() < 200) wrong += WrongFills(dlg, index);
            }
            EXPECT_EQ(wrong, "") << "row:index";
            const int apart = dlg.m_diagram.RowPoint(3).x - dlg.m_diagram.RowPoint(5).x;
            if (percent == 100) spread[karnaugh] = apart;
            EXPECT_NEAR(apart, spread[karnaugh] * percent / 100, spread[karnaugh] * percent / 1000);
        }
    }
}

// Clicks on every row in both views at two sizes, each view and size made anew from time to
// time: the regions, the canvas and the painting give back every GDI handle they take.
TEST(RopDiagram, AClickAsksToToggleTheRowUnderItTakesTheFocusAndLeavesNoHandleBehind) {
    CDiagramDlg dlg;
    ASSERT_TRUE(dlg.Open());
    RECT base{};
    ::GetWindowRect(dlg.Diagram(), &base);
    size_t headroom = 0;
    for (int i = 0; i < 256; ++i) {
        SCOPED_TRACE(i);
        if (i == 32) headroom = GdiHeadroom();
        const int row = i % 8 + 1;
        dlg.m_diagram.SetKarnaughMap(i / 8 % 2);
        ::SetWindowPos(dlg.Diagram(), nullptr, 0, 0, base.right - base.left + i / 16 % 2 * 9,
                       base.bottom - base.top, SWP_NOMOVE | SWP_NOZORDER);
        dlg.FocusButtonBefore();
        const unsigned before = dlg.m_diagram.Index();
        dlg.m_toggledRows.clear();
        dlg.Click(dlg.m_diagram.RowPoint(row));
        EXPECT_EQ(dlg.m_toggledRows, std::vector<int>{row});
        EXPECT_EQ(dlg.m_diagram.Index(), before ^ (1u << (row - 1)));
        EXPECT_EQ(::GetFocus(), dlg.Diagram());
        EXPECT_EQ(WrongFills(dlg, dlg.m_diagram.Index()), "");
    }
    EXPECT_EQ(GdiHeadroom(), headroom);
    EXPECT_EQ(dlg.m_strangeRequests, 0);

    dlg.m_toggledRows.clear();
    dlg.Click({1, 1});
    EXPECT_TRUE(dlg.m_toggledRows.empty()) << "the map's headings belong to no row";
}

TEST(RopDiagram, KeysMoveTheFocusWithoutWrappingAndSpaceTogglesOnce) {
    CDiagramDlg dlg;
    ASSERT_TRUE(dlg.Open());
    dlg.FocusButtonBefore();
    dlg.Press(VK_TAB);
    ASSERT_EQ(::GetFocus(), dlg.Diagram()) << "a tab stop";

    const struct {
        UINT key;
        int row;
    } moves[] = {{VK_LEFT, 1},  {VK_UP, 1},    {VK_HOME, 1},  {VK_RIGHT, 2}, {VK_DOWN, 3},
                 {VK_END, 8},   {VK_RIGHT, 8}, {VK_DOWN, 8},  {VK_UP, 7},    {VK_LEFT, 6},
                 {VK_SPACE, 6}, {VK_HOME, 1},  {VK_SPACE, 1}, {VK_END, 8}};
    for (const auto& move : moves) {
        SCOPED_TRACE(&move - moves);
        dlg.m_toggledRows.clear();
        dlg.Press(move.key);
        EXPECT_EQ(dlg.m_diagram.FocusedRow(), move.row);
        EXPECT_EQ(::GetFocus(), dlg.Diagram()) << "the dialog leaves the arrows to the diagram";
        EXPECT_EQ(dlg.m_toggledRows,
                  move.key == VK_SPACE ? std::vector<int>{move.row} : std::vector<int>{});
    }
    EXPECT_EQ(dlg.m_diagram.Index(), 0x21);

    dlg.m_toggledRows.clear();
    dlg.Press(VK_SPACE, 0x40000000);
    EXPECT_TRUE(dlg.m_toggledRows.empty()) << "a held Space repeats nothing";
}

// The child ids of the name changes raised for the diagram's client area, in order.
std::vector<LONG> g_nameChanges;
HWND g_named = nullptr;

void CALLBACK OnNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                           DWORD) {
    if (window == g_named && object == OBJID_CLIENT) g_nameChanges.push_back(child);
}

// How many times the name changed since the last call: a marker of the test's own (child 42)
// shows that everything raised before it has arrived.
int NameChangesSince() {
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, g_named, OBJID_CLIENT, 42);
    if (!PumpUntil([] { return !g_nameChanges.empty() && g_nameChanges.back() == 42; })) return -1;
    const int count = static_cast<int>(g_nameChanges.size()) - 1;
    g_nameChanges.clear();
    return count;
}

TEST(RopDiagram, ItsTextNamesTheFocusedRowAndItsResultAndIsAnnouncedWhenItChanges) {
    CDiagramDlg dlg;
    ASSERT_TRUE(dlg.Open());
    CRopDiagram& diagram = dlg.m_diagram;
    EXPECT_EQ(WindowText(dlg.Diagram()), "Row 1: P 0, S 0, D 0, result 0");
    g_named = dlg.Diagram();
    const HWINEVENTHOOK hook =
        ::SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &OnNameChange,
                          ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_EQ(NameChangesSince(), 0);
    diagram.SetFocus();

    const struct {
        const char* what;
        std::function<void()> act;
        const char* text;
        int announced;
    } steps[] = {
        {"End", [&] { dlg.Press(VK_END); }, "Row 8: P 1, S 1, D 1, result 0", 1},
        {"Left twice", [&] { dlg.Press(VK_LEFT), dlg.Press(VK_LEFT); },
         "Row 6: P 1, S 0, D 1, result 0", 2},
        {"its bit set", [&] { diagram.ShowIndex(0x20); }, "Row 6: P 1, S 0, D 1, result 1", 1},
        {"another bit set", [&] { diagram.ShowIndex(0x21); }, "Row 6: P 1, S 0, D 1, result 1", 0},
        {"Space", [&] { dlg.Press(VK_SPACE); }, "Row 6: P 1, S 0, D 1, result 0", 1},
        {"a click on row 3", [&] { dlg.Click(diagram.RowPoint(3)); },
         "Row 3: P 0, S 1, D 0, result 1", 1},
        {"the map", [&] { diagram.SetKarnaughMap(true); }, "Row 3: P 0, S 1, D 0, result 1", 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(WindowText(dlg.Diagram()), step.text);
        EXPECT_EQ(NameChangesSince(), step.announced);
    }
    ::UnhookWinEvent(hook);
}

int NearestRow(const CRopDiagram& diagram, LONG x, LONG y) {
    int nearest = 1;
    const auto distance = [&](int row) {
        const POINT point = diagram.RowPoint(row);
        return std::abs(point.x - x) + std::abs(point.y - y);
    };
    for (int row = 2; row <= 8; ++row)
        if (distance(row) < distance(nearest)) nearest = row;
    return nearest;
}

// The pixels that change when the diagram has the focus lie by the focused row.
TEST(RopDiagram, TheFocusMarkStandsByTheFocusedRow) {
    CDiagramDlg dlg;
    ASSERT_TRUE(dlg.Open());
    CRopDiagram& diagram = dlg.m_diagram;
    diagram.ShowIndex(0x5A);
    for (const bool karnaugh : {false, true}) {
        diagram.SetKarnaughMap(karnaugh);
        dlg.FocusButtonBefore();
        SIZE size{};
        const Pixels unfocused = dlg.Shown(&size);
        diagram.SetFocus();
        dlg.Press(VK_HOME);
        for (int row = 1; row <= 8; ++row, dlg.Press(VK_RIGHT)) {
            const Pixels focused = dlg.Shown(&size);
            int marked = 0, astray = 0;
            for (LONG y = 0; y < size.cy; ++y) {
                for (LONG x = 0; x < size.cx; ++x) {
                    if (PixelOf(focused, size, {x, y}) == PixelOf(unfocused, size, {x, y}))
                        continue;
                    ++marked;
                    astray += NearestRow(diagram, x, y) != row;
                }
            }
            EXPECT_GT(marked, 0) << karnaugh << " " << row;
            EXPECT_EQ(astray, 0) << karnaugh << " " << row << ": marked nearer another row";
        }
    }
}

}  // namespace
