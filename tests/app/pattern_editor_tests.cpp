#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "modal_test.h"
#include "pattern_editor_dlg.h"
#include "pattern_editor_driver.h"
#include "resource.h"
#include "run_modal_once.h"
#include "ui_test.h"

namespace {

const BrushPattern kStart = kBrickPattern;

TEST(PatternEditor, OpensOverItsOwnerWithItsPanelsCaptionAndTheGridInFocus) {
    for (const int nPanel : {1, 2}) {
        HWND owner = nullptr;
        const Outcome outcome = RunEditor(
            nPanel, kStart,
            [&](HWND dialog) {
                EXPECT_EQ(::GetWindow(dialog, GW_OWNER), owner);
                EXPECT_FALSE(::IsWindowEnabled(owner)) << "modal";
                HWND grid = ::GetDlgItem(dialog, IDC_PATTERN_GRID);
                EXPECT_EQ(::GetFocus(), grid);
                EXPECT_EQ(WindowText(grid), CellName(0, 0, kStart));
                RECT easyToHit{0, 0, 12, 12};
                ::MapDialogRect(dialog, &easyToHit);
                const RECT cell = CellSeen(grid, 0, 0);
                EXPECT_GE(cell.right - cell.left, easyToHit.right);
                EXPECT_GE(cell.bottom - cell.top, easyToHit.bottom);
                EXPECT_EQ(ShownCells(dialog), kStart);
                EXPECT_TRUE(PreviewShows(dialog, kStart));
                ClickButton(dialog, IDCANCEL);
            },
            &owner);
        EXPECT_TRUE(outcome.driven) << Caption(nPanel);
    }
}

TEST(PatternEditor, EveryCellTogglesUnderAClickAndTheFocusCellFollows) {
    BrushPattern expected = kStart;
    const Outcome outcome = RunEditor(1, kStart, [&](HWND dialog) {
        HWND grid = ::GetDlgItem(dialog, IDC_PATTERN_GRID);
        for (int row = 0; row < 8; ++row) {
            for (int column = 0; column < 8; ++column) {
                ClickCell(dialog, row, column);
                expected = Toggled(expected, row, column);
                ASSERT_EQ(ShownCells(dialog), expected) << row << ", " << column;
                EXPECT_EQ(WindowText(grid), CellName(row, column, expected));
            }
        }
        EXPECT_TRUE(PreviewShows(dialog, expected));
        // A quick second click comes as a double click and toggles back.
        ClickCell(dialog, 2, 3);
        ClickCell(dialog, 2, 3, WM_LBUTTONDBLCLK);
        EXPECT_EQ(ShownCells(dialog), expected);
        ClickButton(dialog, IDOK);
    });
    EXPECT_EQ(outcome.result, IDOK);
    EXPECT_EQ(outcome.pattern, expected);
}

TEST(PatternEditor, ArrowKeysMoveTheFocusCellUpToTheEdgesAndSpaceTogglesIt) {
    const struct {
        std::initializer_list<UINT> keys;
        int row, column;
    } moves[] = {
        {{}, 0, 0},
        {{VK_LEFT, VK_UP}, 0, 0},
        {{VK_RIGHT, VK_RIGHT, VK_DOWN}, 1, 2},
        {{VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT}, 0, 7},
        {{VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN}, 7, 0},
        {{VK_DOWN, VK_RIGHT, VK_DOWN, VK_LEFT, VK_LEFT, VK_UP}, 1, 0},
    };
    const std::initializer_list<UINT> home = {VK_LEFT, VK_LEFT, VK_LEFT, VK_LEFT, VK_LEFT,
                                              VK_LEFT, VK_LEFT, VK_UP,   VK_UP,   VK_UP,
                                              VK_UP,   VK_UP,   VK_UP,   VK_UP};
    RunEditor(1, kStart, [&](HWND dialog) {
        HWND grid = ::GetDlgItem(dialog, IDC_PATTERN_GRID);
        for (const auto& move : moves) {
            PostKeys(dialog, home);
            PostKeys(dialog, move.keys);
            const std::string seen = WindowText(grid);
            EXPECT_EQ(seen, CellName(move.row, move.column, kStart));
            EXPECT_EQ(::GetFocus(), grid) << seen << ": the grid keeps the arrows";
        }
        EXPECT_EQ(ShownCells(dialog), kStart) << "moves change no cell";
        // Row 3, column 5 of the bricks is 0.
        PostKeys(dialog, home);
        PostKeys(dialog, {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_SPACE});
        EXPECT_EQ(WindowText(grid), "Row 3, column 5: 1");
        EXPECT_EQ(ShownCells(dialog), Toggled(kStart, 2, 4));
        EXPECT_TRUE(PreviewShows(dialog, Toggled(kStart, 2, 4)));
        PostKeys(dialog, {VK_SPACE}, 0x40000001);
        EXPECT_EQ(WindowText(grid), "Row 3, column 5: 1") << "a held Space toggles once";
        PostKeys(dialog, {VK_SPACE});
        EXPECT_EQ(WindowText(grid), "Row 3, column 5: 0");
        ClickButton(dialog, IDCANCEL);
    });
}

TEST(PatternEditor, TheFocusMarkIsOnTheFocusCellOnlyWhileTheGridHasTheFocus) {
    RunEditor(1, kStart, [&](HWND dialog) {
        PostKeys(dialog, {VK_DOWN, VK_RIGHT, VK_RIGHT});
        RECT cell = CellSeen(::GetDlgItem(dialog, IDC_PATTERN_GRID), 1, 2);
        ::InflateRect(&cell, 2, 2);
        const std::vector<POINT> marked = Highlighted(dialog);
        EXPECT_FALSE(marked.empty());
        for (const POINT& point : marked)
            ASSERT_TRUE(::PtInRect(&cell, point)) << point.x << ", " << point.y;
        PostKeys(dialog, {VK_TAB});
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog, IDC_PATTERN_INVERT)) << "Tab moves on";
        EXPECT_TRUE(Highlighted(dialog).empty());
        ClickButton(dialog, IDCANCEL);
    });
}

TEST(PatternEditor, InvertAndClearShowInTheGridThePreviewAndTheResult) {
    BrushPattern inverted = kStart;
    for (auto& row : inverted) row = static_cast<std::uint8_t>(~row);
    const BrushPattern cleared{}, allSet = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const struct {
        std::vector<int> buttons;
        BrushPattern expected;
    } cases[] = {
        {{IDC_PATTERN_INVERT}, inverted},
        {{IDC_PATTERN_CLEAR}, cleared},
        {{IDC_PATTERN_INVERT, IDC_PATTERN_INVERT}, kStart},
        {{IDC_PATTERN_CLEAR, IDC_PATTERN_INVERT}, allSet},
    };
    for (const auto& test : cases) {
        const Outcome outcome = RunEditor(2, kStart, [&](HWND dialog) {
            for (const int button : test.buttons) ClickButton(dialog, button);
            EXPECT_EQ(ShownCells(dialog), test.expected);
            EXPECT_TRUE(PreviewShows(dialog, test.expected));
            EXPECT_EQ(WindowText(::GetDlgItem(dialog, IDC_PATTERN_GRID)),
                      CellName(0, 0, test.expected));
            ClickButton(dialog, IDOK);
        });
        EXPECT_EQ(outcome.pattern, test.expected) << test.buttons.size();
    }
}

TEST(PatternEditor, OkAndEnterKeepTheEditCancelEscapeAndCloseDropIt) {
    const struct {
        const char* how;
        std::function<void(HWND)> end;
        INT_PTR result;
    } ways[] = {
        {"OK", [](HWND dialog) { ClickButton(dialog, IDOK); }, IDOK},
        {"Enter", [](HWND dialog) { PostKeys(dialog, {VK_RETURN}); }, IDOK},
        {"Cancel", [](HWND dialog) { ClickButton(dialog, IDCANCEL); }, IDCANCEL},
        {"Escape", [](HWND dialog) { PostKeys(dialog, {VK_ESCAPE}); }, IDCANCEL},
        {"Close", [](HWND dialog) { ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); },
         IDCANCEL},
    };
    for (const auto& way : ways) {
        const Outcome outcome = RunEditor(1, kStart, [&](HWND dialog) {
            ClickCell(dialog, 0, 0);
            way.end(dialog);
        });
        EXPECT_EQ(outcome.result, way.result) << way.how;
        EXPECT_EQ(outcome.pattern, way.result == IDOK ? Toggled(kStart, 0, 0) : kStart) << way.how;
    }
}

// A screen reader speaks the name of the control in focus again when it changes.
std::vector<std::string> g_heard;
HWND g_listenedTo = nullptr;

void CALLBACK OnNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                           DWORD) {
    if (window == g_listenedTo && object == OBJID_CLIENT && child == CHILDID_SELF)
        g_heard.push_back(WindowText(window));
}

TEST(PatternEditor, ScreenReadersHearEachNewFocusCellAndBit) {
    RunEditor(1, kStart, [&](HWND dialog) {
        g_listenedTo = ::GetDlgItem(dialog, IDC_PATTERN_GRID);
        g_heard.clear();
        const HWINEVENTHOOK hook = ::SetWinEventHook(
            EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, OnNameChange,
            ::GetCurrentProcessId(), ::GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(hook, nullptr);
        const BrushPattern toggled = Toggled(kStart, 0, 1);
        PostKeys(dialog, {VK_RIGHT, VK_SPACE, VK_DOWN, VK_UP, VK_UP});
        ClickCell(dialog, 7, 7);
        const std::vector<std::string> expected = {CellName(0, 1, kStart), CellName(0, 1, toggled),
                                                   CellName(1, 1, toggled), CellName(0, 1, toggled),
                                                   CellName(7, 7, Toggled(toggled, 7, 7))};
        PumpUntil([&] { return g_heard.size() >= expected.size(); }, 3000);
        EXPECT_EQ(g_heard, expected) << "Up at the top edge says nothing";
        ::UnhookWinEvent(hook);
        ClickButton(dialog, IDCANCEL);
    });
}

TEST(PatternEditor, ASecondEditorWhileOneRunsOpensNoOtherAndReturns3) {
    const Outcome outcome = RunEditor(1, kStart, [&](HWND dialog) {
        CPatternEditorDlg second(nullptr, 2, kStart);
        EXPECT_EQ(second.DoModal(), kDialogAlreadyOpen);
        EXPECT_EQ(CountWindows(Caption(1)), 1);
        EXPECT_EQ(CountWindows(Caption(2)), 0);
        ClickButton(dialog, IDOK);
    });
    EXPECT_EQ(outcome.result, IDOK);
}

}  // namespace
