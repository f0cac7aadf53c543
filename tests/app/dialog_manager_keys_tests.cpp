#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "program_fixture.h"
#include "resource.h"

namespace {

// Keys as automation tools post them, to the program's queue: its modal loop gives each to the
// dialog manager, which hands an arrow key to the focused control only when the control asks
// for it (WM_GETDLGCODE), and otherwise moves the focus with it.

// The inspector's line for a pixel of Bitmap 1: "Bitmap 1 at 57, 40: ...".
bool ReadInspectedPixel(const std::string& line, POINT& at) {
    int x = 0, y = 0;
    if (std::sscanf(line.c_str(), "Bitmap 1 at %d, %d:", &x, &y) != 2) return false;
    at = {x, y};
    return true;
}

// "Row 6: P 1, S 0, D 1, result 1" of the diagram, "Row 2, column 3: 1" of the pattern grid.
int RowOf(const std::string& name) {
    int row = 0;
    return std::sscanf(name.c_str(), "Row %d", &row) == 1 ? row : 0;
}

int ColumnOf(const std::string& name) {
    int row = 0, column = 0;
    return std::sscanf(name.c_str(), "Row %d, column %d", &row, &column) == 2 ? column : 0;
}

struct ArrowMove {
    WORD key;
    int dx, dy;
};
constexpr ArrowMove kMoves[] = {
    {VK_RIGHT, 1, 0}, {VK_DOWN, 0, 1}, {VK_LEFT, -1, 0}, {VK_UP, 0, -1}};

bool IsClipboardPicture() {
    return ::IsClipboardFormatAvailable(CF_DIB) || ::IsClipboardFormatAvailable(CF_BITMAP);
}

bool EmptyClipboard() {
    if (!::OpenClipboard(nullptr)) return false;  // busy a moment: another program holds it
    ::EmptyClipboard();
    ::CloseClipboard();
    return !IsClipboardPicture();
}

TEST_F(ProgramTest, ArrowKeysWorkThePictureTheDiagramAndTheGridThroughTheDialogManager) {
    ProgramDriver& velmar = StartProgram();
    const HWND picture = velmar.Item(IDC_PICTURE1);
    ASSERT_TRUE(velmar.FocusItem(IDC_PICTURE1));
    velmar.PostKey(picture, VK_RIGHT);  // the first key marks a pixel
    POINT at{};
    ASSERT_TRUE(velmar.WaitUntil([&] {
        return ReadInspectedPixel(velmar.Text(IDC_PIXEL_INSPECTOR), at);
    })) << velmar.Text(IDC_PIXEL_INSPECTOR);
    for (const ArrowMove& move : kMoves) {
        SCOPED_TRACE(move.key);
        velmar.PostKey(picture, move.key);
        const POINT next{at.x + move.dx, at.y + move.dy};
        EXPECT_TRUE(velmar.WaitUntil([&] {
            POINT seen{};
            return ReadInspectedPixel(velmar.Text(IDC_PIXEL_INSPECTOR), seen) && seen.x == next.x &&
                   seen.y == next.y;
        })) << velmar.Text(IDC_PIXEL_INSPECTOR);
        EXPECT_EQ(velmar.FocusedWindow(), picture) << "the key moved the marker, not the focus";
        at = next;
    }

    ASSERT_TRUE(velmar.WaitUntil(EmptyClipboard));
    velmar.PostChar(picture, 0x03);  // Ctrl+C
    EXPECT_TRUE(velmar.WaitUntil(IsClipboardPicture)) << "Ctrl+C copies the picture";
    ASSERT_TRUE(velmar.FocusItem(IDC_PICTURE2));
    velmar.PostChar(velmar.Item(IDC_PICTURE2), 0x16);  // Ctrl+V
    // Compared with neither picture focused (the focus draws a frame and the marker in it), and
    // the copied one painted: it has more than one colour, where a picture not painted has one.
    ASSERT_TRUE(velmar.FocusItem(IDC_SRCCOPY));
    const Picture copied = velmar.WaitForPicture(IDC_PICTURE1, [](const Picture& shown) {
        return std::adjacent_find(shown.pixels.begin(), shown.pixels.end(),
                                  std::not_equal_to<>()) != shown.pixels.end();
    });
    const auto pasted = [&](const Picture& shown) { return shown.pixels == copied.pixels; };
    EXPECT_TRUE(pasted(velmar.WaitForPicture(IDC_PICTURE2, pasted))) << "Ctrl+V pastes it";
    ASSERT_TRUE(velmar.FocusItem(IDC_PICTURE2));
    velmar.PostChar(velmar.Item(IDC_PICTURE2), 0x0F);  // Ctrl+O
    const HWND open = velmar.WaitForWindow("Open");
    EXPECT_NE(open, nullptr) << "Ctrl+O asks for a file";
    if (open) {
        ::PostMessageA(open, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(velmar.WaitUntil([&] { return !::IsWindow(open); }));
    }

    const HWND diagram = velmar.Item(IDC_ROP_DIAGRAM);
    ASSERT_TRUE(velmar.FocusItem(IDC_ROP_DIAGRAM));
    velmar.PostKey(diagram, VK_HOME);
    ASSERT_TRUE(velmar.WaitUntil([&] { return RowOf(velmar.Text(IDC_ROP_DIAGRAM)) == 1; }));
    int row = 1;
    for (const ArrowMove& move : {kMoves[0], kMoves[1], kMoves[2], kMoves[3]}) {
        velmar.PostKey(diagram, move.key);
        row += move.dx + move.dy;  // Right and Down go to the next row, Left and Up back
        EXPECT_TRUE(velmar.WaitUntil([&] { return RowOf(velmar.Text(IDC_ROP_DIAGRAM)) == row; }))
            << move.key << ": " << velmar.Text(IDC_ROP_DIAGRAM);
        EXPECT_EQ(velmar.FocusedWindow(), diagram);
    }

    velmar.ClickItem(IDC_BRUSH_EDIT1);
    const HWND editor = velmar.WaitForWindow("Brush Pattern - Bitmap 1");
    ASSERT_NE(editor, nullptr);
    const HWND grid = velmar.FocusedWindow();
    ASSERT_EQ(::GetParent(grid), editor) << "the editor opens with the grid in focus";
    int gridRow = RowOf(ProgramDriver::TextOf(grid)),
        column = ColumnOf(ProgramDriver::TextOf(grid));
    for (const ArrowMove& move : {kMoves[0], kMoves[1], kMoves[2], kMoves[3]}) {
        velmar.PostKey(grid, move.key);
        gridRow += move.dy;
        column += move.dx;
        EXPECT_TRUE(velmar.WaitUntil([&] {
            const std::string name = ProgramDriver::TextOf(grid);
            return RowOf(name) == gridRow && ColumnOf(name) == column;
        })) << move.key
            << ": " << ProgramDriver::TextOf(grid);
        EXPECT_EQ(velmar.FocusedWindow(), grid);
    }
    ::PostMessageA(editor, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(velmar.WaitUntil([&] { return !::IsWindow(editor); }));
}

}  // namespace
