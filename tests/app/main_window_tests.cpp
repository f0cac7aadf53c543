#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"
#include "program_fixture.h"
#include "resource.h"

CWinApp theTestApp("Program tests");

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kGreenIndex = 10, kMagentaIndex = 13, kWhiteIndex = 15;

std::string ResultColumn(ProgramDriver& velmar) {
    std::string rows;
    for (int row = 1; row <= 8; ++row)
        rows += velmar.IsChecked(IDC_RESULT_ROW1 + row - 1) ? '1' : '0';
    return rows;
}

// Ticks exactly the rows marked '1', clicking only the boxes that must change.
void TickResults(ProgramDriver& velmar, const std::string& rows) {
    for (int row = 1; row <= 8; ++row)
        if (velmar.IsChecked(IDC_RESULT_ROW1 + row - 1) != (rows[row - 1] == '1'))
            velmar.ClickItem(IDC_RESULT_ROW1 + row - 1);
}

void ReplaceHexText(ProgramDriver& velmar, const std::string& text) {
    velmar.ClickItem(IDC_HEX);
    velmar.PressKey(VK_END);
    velmar.PressKeys({VK_SHIFT, VK_HOME});
    velmar.PressKey(VK_DELETE);
    velmar.TypeText(text);
}

// Chooses a palette entry as a person does with the keyboard: a click gives the picker the focus
// (and drops its list, which Escape closes again), then Home and the arrow keys move the choice.
void ChooseColor(ProgramDriver& velmar, int pickerId, int paletteIndex) {
    velmar.ClickItem(pickerId);
    velmar.PressKey(VK_ESCAPE);
    velmar.PressKey(VK_HOME);
    for (int i = 0; i < paletteIndex; ++i) velmar.PressKey(VK_DOWN);
}

struct Picture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
};

Picture PictureOf(ProgramDriver& velmar, int pictureId) {
    Picture picture;
    picture.pixels = velmar.ScreenPixels(velmar.Item(pictureId), &picture.width, &picture.height);
    return picture;
}

TEST_F(ProgramTest, StartsWithSrcCopyBothPanelsInColourAndDefaultColours) {
    ProgramDriver& velmar = StartProgram();
    EXPECT_EQ(velmar.Text(IDC_HEX), "0xCC0020");
    EXPECT_EQ(ResultColumn(velmar), "00110011");
    for (int row = 1; row <= 8; ++row) {
        EXPECT_EQ(velmar.IsChecked(IDC_PATTERN_ROW1 + row - 1), ((row - 1) & 4) != 0);
        EXPECT_EQ(velmar.IsChecked(IDC_SOURCE_ROW1 + row - 1), ((row - 1) & 2) != 0);
        EXPECT_EQ(velmar.IsChecked(IDC_DEST_ROW1 + row - 1), ((row - 1) & 1) != 0);
    }
    for (int id : {IDC_PATTERN_COLOR1, IDC_BK_COLOR1, IDC_PATTERN_COLOR2, IDC_BK_COLOR2})
        EXPECT_EQ(velmar.SelectedColor(id), kWhite) << id;
    EXPECT_EQ(velmar.SelectedColor(IDC_TEXT_COLOR1), kBlack);
    EXPECT_EQ(velmar.SelectedColor(IDC_TEXT_COLOR2), kBlack);
    EXPECT_FALSE(velmar.IsChecked(IDC_MONO1));
    EXPECT_FALSE(velmar.IsChecked(IDC_MONO2));

    const Picture first = PictureOf(velmar, IDC_PICTURE1);
    const Picture second = PictureOf(velmar, IDC_PICTURE2);
    EXPECT_EQ(first.pixels[0], kWhite) << "Bitmap 1 is white on top";
    EXPECT_EQ(first.pixels.back(), kBlack) << "and black below";
    EXPECT_EQ(second.pixels[static_cast<size_t>(second.width - 1)], kBlack)
        << "Bitmap 2: black right";
    bool colourful = false;
    for (COLORREF pixel : first.pixels) colourful |= pixel == RGB(255, 0, 0) || pixel == kGreen;
    EXPECT_TRUE(colourful) << "the ellipses are drawn in colour";
    EXPECT_EQ(::GetFocus(), nullptr);  // (the test's own thread has no focus)
}

TEST_F(ProgramTest, TickedRowsGiveTheirCodeAndTheMaskAndMagentaExamplesWork) {
    ProgramDriver& velmar = StartProgram();
    TickResults(velmar, "01000111");
    EXPECT_EQ(velmar.Text(IDC_HEX), "0xE20746");

    velmar.ClickItem(IDC_SRCCOPY);
    EXPECT_EQ(velmar.Text(IDC_HEX), "0xCC0020");
    velmar.ClickItem(IDC_MONO2);
    ChooseColor(velmar, IDC_BK_COLOR1, kGreenIndex);
    EXPECT_EQ(velmar.SelectedColor(IDC_BK_COLOR1), kGreen);
    const Picture source = PictureOf(velmar, IDC_PICTURE1);
    velmar.ClickItem(IDC_BLT_1TO2);
    const Picture mask = PictureOf(velmar, IDC_PICTURE2);
    ASSERT_EQ(source.pixels.size(), mask.pixels.size());
    int green = 0, wrong = 0;
    for (size_t i = 0; i < source.pixels.size(); ++i) {
        const bool isGreen = source.pixels[i] == kGreen;
        green += isGreen;
        wrong += mask.pixels[i] != (isGreen ? kWhite : kBlack);
    }
    EXPECT_GT(green, 100);
    EXPECT_EQ(wrong, 0) << "Bitmap 2 is white exactly where Bitmap 1 is green";

    ChooseColor(velmar, IDC_BK_COLOR1, kWhiteIndex);
    ChooseColor(velmar, IDC_PATTERN_COLOR1, kMagentaIndex);
    TickResults(velmar, "01000111");
    EXPECT_EQ(velmar.Text(IDC_HEX), "0xE20746");
    velmar.ClickItem(IDC_BLT_2TO1);
    const Picture result = PictureOf(velmar, IDC_PICTURE1);
    wrong = 0;
    for (size_t i = 0; i < source.pixels.size(); ++i)
        wrong += result.pixels[i] != (source.pixels[i] == kGreen ? kMagenta : source.pixels[i]);
    EXPECT_EQ(wrong, 0) << "the green area turns magenta and nothing else changes";
}

TEST_F(ProgramTest, TypedCodesSetTheTableAndStayAsTyped) {
    ProgramDriver& velmar = StartProgram();
    ReplaceHexText(velmar, "0x660046");
    EXPECT_EQ(velmar.Text(IDC_HEX), "0x660046");
    EXPECT_EQ(ResultColumn(velmar), "01100110");

    ReplaceHexText(velmar, "cc0000");
    EXPECT_EQ(velmar.Text(IDC_HEX), "cc0000");
    EXPECT_EQ(ResultColumn(velmar), "00110011");
    velmar.ClickItem(IDC_BLT_1TO2);
    const Picture first = PictureOf(velmar, IDC_PICTURE1);
    const Picture second = PictureOf(velmar, IDC_PICTURE2);
    EXPECT_EQ(first.pixels, second.pixels) << "0xCC0000 copies like SRCCOPY";
    velmar.ClickItem(IDC_RESULT_ROW1);
    EXPECT_EQ(velmar.Text(IDC_HEX), "0xCD0888") << "a click replaces the code with the table's";

    ReplaceHexText(velmar, "");
    EXPECT_EQ(velmar.Text(IDC_HEX), "");
    EXPECT_EQ(ResultColumn(velmar), "00000000");
    EXPECT_FALSE(velmar.OpenMessageBox());
}

TEST_F(ProgramTest, OutOfRangeCodeIsReportedAtTheKeystrokeThatCompletesIt) {
    ProgramDriver& velmar = StartProgram();
    ReplaceHexText(velmar, "100000");
    EXPECT_FALSE(velmar.OpenMessageBox());
    velmar.TypeText("0");
    const SeenMessageBox box = velmar.WaitForMessageBox();
    EXPECT_EQ(box.text, "Please enter an integer between 0 and ffffff.");
    EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(box.caption, "Velmar");
    velmar.DismissMessageBoxes();
    EXPECT_EQ(velmar.Text(IDC_HEX), "1000000");
    EXPECT_EQ(ResultColumn(velmar), "00000000");
    DWORD start = 1, end = 0;
    ::SendMessageA(velmar.Item(IDC_HEX), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 7u) << "the whole text is selected";

    // A seventh significant digit typed one by one fails the same way.
    ReplaceHexText(velmar, "ffffff");
    velmar.DismissMessageBoxes();
    EXPECT_FALSE(velmar.OpenMessageBox());
    velmar.TypeText("f");
    EXPECT_EQ(velmar.WaitForMessageBox().text, "Please enter an integer between 0 and ffffff.");
    velmar.DismissMessageBoxes();
    EXPECT_EQ(ResultColumn(velmar), "11111111");

    // SRCCOPY after the failed text: the failure once more, then the default code.
    velmar.ClickItem(IDC_SRCCOPY);
    EXPECT_EQ(velmar.WaitForMessageBox().text, "Please enter an integer between 0 and ffffff.");
    velmar.DismissMessageBoxes();
    EXPECT_EQ(velmar.Text(IDC_HEX), "0xCC0020");
    EXPECT_EQ(ResultColumn(velmar), "00110011");
}

TEST_F(ProgramTest, PastedAllOnesIsNotAnIntegerAndABltStillUsesIt) {
    ProgramDriver& velmar = StartProgram();
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, 9);
    memcpy(::GlobalLock(memory), "ffffffff", 9);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_TEXT, memory);
    ::CloseClipboard();

    velmar.ClickItem(IDC_HEX);
    velmar.PressKey(VK_END);
    velmar.PressKeys({VK_SHIFT, VK_HOME});
    velmar.PressKeys({VK_CONTROL, 'V'});
    const SeenMessageBox box = velmar.WaitForMessageBox();
    EXPECT_EQ(box.text, "Please enter an integer.");
    EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    velmar.DismissMessageBoxes();
    EXPECT_EQ(ResultColumn(velmar), "11111111");

    // The blit runs with 0xFFFFFFFF (index 0xFF: white) and both exchanges report the field.
    velmar.Click(velmar.Item(IDC_BLT_1TO2));
    const int boxes = velmar.DismissMessageBoxes(1500);
    EXPECT_GE(boxes, 2);
    ::InvalidateRect(velmar.Item(IDC_PICTURE2), nullptr, FALSE);
    velmar.Settle();
    const Picture second = PictureOf(velmar, IDC_PICTURE2);
    int notWhite = 0;
    for (COLORREF pixel : second.pixels) notWhite += pixel != kWhite;
    EXPECT_EQ(notWhite, 0);
}

TEST_F(ProgramTest, PanelCommandsStillActAfterAFailedCommit) {
    ProgramDriver& velmar = StartProgram();
    ChooseColor(velmar, IDC_BK_COLOR2, kGreenIndex);
    velmar.ClickItem(IDC_DEFAULTS2);
    EXPECT_EQ(velmar.SelectedColor(IDC_BK_COLOR2), kWhite) << "Defaults after a good commit";

    ReplaceHexText(velmar, "1000000");
    velmar.DismissMessageBoxes();
    ChooseColor(velmar, IDC_BK_COLOR2, kGreenIndex);
    velmar.Click(velmar.Item(IDC_MONO1));
    const int boxes = velmar.DismissMessageBoxes(1500);
    // The commit and the load each report the code; the load's rewrite of the focused field
    // asks for a sync, whose commit reports it once more.
    EXPECT_GE(boxes, 2);
    EXPECT_TRUE(velmar.IsChecked(IDC_MONO1));
    ::InvalidateRect(velmar.Item(IDC_PICTURE1), nullptr, FALSE);
    velmar.Settle();
    const Picture mono = PictureOf(velmar, IDC_PICTURE1);
    for (COLORREF pixel : mono.pixels) ASSERT_TRUE(pixel == kWhite || pixel == kBlack);
    EXPECT_EQ(velmar.SelectedColor(IDC_BK_COLOR2), kGreen) << "the picker keeps the user's choice";
}

// (Under Wine without a window manager a minimised window has no visible icon area, so the
// painting of the minimised icon cannot be looked at here; the window minimises and restores.)
TEST_F(ProgramTest, SizeAndMaximizeDoNothingAndTheWindowMinimisesAndRestores) {
    ProgramDriver& velmar = StartProgram();
    HWND main = velmar.MainWindow();
    RECT before, after;
    ::GetWindowRect(main, &before);
    ::PostMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ::PostMessageA(main, WM_SYSCOMMAND, SC_SIZE, 0);
    velmar.Settle();
    ::GetWindowRect(main, &after);
    EXPECT_TRUE(::EqualRect(&before, &after));
    EXPECT_FALSE(::IsZoomed(main));

    ::PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    velmar.Settle();
    EXPECT_TRUE(::IsIconic(main));
    ::PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
    velmar.Settle();
    EXPECT_FALSE(::IsIconic(main));
    EXPECT_EQ(velmar.Text(IDC_HEX), "0xCC0020");
}

}  // namespace
