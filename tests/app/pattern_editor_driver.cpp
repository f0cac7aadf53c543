#include "pattern_editor_driver.h"

#include <algorithm>

#include "modal_test.h"
#include "pattern_editor_dlg.h"
#include "resource.h"
#include "test_panel.h"

namespace {

Pixels Painted(HWND control, SIZE* size) {
    ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return ReadWindowClient(control, size);
}

}  // namespace

std::string Caption(int nPanel) { return "Brush Pattern - Bitmap " + std::to_string(nPanel); }

std::string CellName(int row, int column, const BrushPattern& pattern) {
    return "Row " + std::to_string(row + 1) + ", column " + std::to_string(column + 1) + ": " +
           (PatternBit(pattern, column, row) ? "1" : "0");
}

BrushPattern Toggled(BrushPattern pattern, int row, int column) {
    pattern[static_cast<size_t>(row)] ^= static_cast<std::uint8_t>(0x80 >> column);
    return pattern;
}

void PumpDialog(HWND dialog) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (::IsDialogMessageA(dialog, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void PostKeys(HWND dialog, std::initializer_list<UINT> keys, LPARAM downFlags) {
    HWND grid = ::GetDlgItem(dialog, IDC_PATTERN_GRID);
    for (const UINT key : keys) {
        ::PostMessageA(grid, WM_KEYDOWN, key, downFlags);
        ::PostMessageA(grid, WM_KEYUP, key, 0xC0000001);
    }
    PumpDialog(dialog);
}

RECT CellSeen(HWND grid, int row, int column) {
    RECT client{};
    ::GetClientRect(grid, &client);
    const int side = std::min(client.right, client.bottom);
    const int left = (client.right - side) / 2 + column * side / 8;
    const int top = (client.bottom - side) / 2 + row * side / 8;
    return {left, top, left + side / 8, top + side / 8};
}

void ClickCell(HWND dialog, int row, int column, UINT message) {
    HWND grid = ::GetDlgItem(dialog, IDC_PATTERN_GRID);
    const RECT cell = CellSeen(grid, row, column);
    const LPARAM at = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    ::PostMessageA(grid, message, MK_LBUTTON, at);
    ::PostMessageA(grid, WM_LBUTTONUP, 0, at);
    PumpDialog(dialog);
}

BrushPattern ShownCells(HWND dialog) {
    HWND grid = ::GetDlgItem(dialog, IDC_PATTERN_GRID);
    SIZE size{};
    const Pixels pixels = Painted(grid, &size);
    BrushPattern shown{};
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const RECT cell = CellSeen(grid, row, column);
            const COLORREF pixel = pixels[static_cast<size_t>(
                (cell.top + cell.bottom) / 2 * size.cx + (cell.left + cell.right) / 2)];
            EXPECT_TRUE(pixel == kBlack || pixel == kWhite) << row << ", " << column;
            if (pixel == kWhite) shown = Toggled(shown, row, column);
        }
    }
    return shown;
}

testing::AssertionResult PreviewShows(HWND dialog, const BrushPattern& pattern) {
    SIZE size{};
    const Pixels pixels = Painted(::GetDlgItem(dialog, IDC_PATTERN_PREVIEW), &size);
    if (size.cx < 16 || size.cy < 16) return testing::AssertionFailure() << "too small to tile";
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const COLORREF expected = PatternBit(pattern, x, y) ? kWhite : kBlack;
            if (pixels[static_cast<size_t>(y * size.cx + x)] != expected)
                return testing::AssertionFailure() << "pixel " << x << ", " << y;
        }
    }
    return testing::AssertionSuccess();
}

std::vector<POINT> Highlighted(HWND dialog) {
    SIZE size{};
    const Pixels pixels = Painted(::GetDlgItem(dialog, IDC_PATTERN_GRID), &size);
    std::vector<POINT> found;
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x)
            if (pixels[static_cast<size_t>(y * size.cx + x)] == ::GetSysColor(COLOR_HIGHLIGHT))
                found.push_back({x, y});
    return found;
}

Outcome RunEditor(int nPanel, const BrushPattern& start, std::function<void(HWND)> drive,
                  HWND* ownerSeen) {
    HWND owner = ::CreateWindowExA(0, "STATIC", "Owner", WS_POPUP | WS_VISIBLE | WS_CAPTION, 100,
                                   100, 500, 400, nullptr, nullptr, nullptr, nullptr);
    if (ownerSeen) *ownerSeen = owner;
    CPatternEditorDlg dlg(CWnd::FromHandle(owner), nPanel, start);
    bool driven = false;
    WhenWindowShows(Caption(nPanel), [&](HWND dialog) {
        driven = true;
        drive(dialog);
    });
    const INT_PTR result = dlg.DoModal();
    ::DestroyWindow(owner);
    return {result, dlg.Pattern(), driven};
}
