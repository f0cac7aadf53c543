#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "afxwin.h"
#include "main_window_steps.h"
#include "program_fixture.h"
#include "resource.h"

CWinApp theTestApp("Program tests");

namespace {

constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kGreenIndex = 10, kMagentaIndex = 13, kWhiteIndex = 15;

// Chooses a palette entry as a person does with the keyboard: a click gives the picker the focus
// (and drops its list, which Escape closes again), then Home and the arrow keys move the choice.
void ChooseColor(ProgramDriver& velmar, int pickerId, int paletteIndex) {
    velmar.ClickItem(pickerId);
    ASSERT_TRUE(velmar.WaitForFocus(pickerId));
    ASSERT_TRUE(velmar.WaitUntil(
        [&] { return ::SendMessageA(velmar.Item(pickerId), CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    velmar.PressKey(VK_ESCAPE);
    velmar.PressKey(VK_HOME);
    for (int i = 0; i < paletteIndex; ++i) velmar.PressKey(VK_DOWN);
    EXPECT_TRUE(velmar.WaitUntil([&] {
        return velmar.SelectedIndex(pickerId) == paletteIndex &&
               ::SendMessageA(velmar.Item(pickerId), CB_GETDROPPEDSTATE, 0, 0) == 0;
    }));
}

bool IsColourfulDefault(const Picture& picture) {
    if (picture.pixels.empty() || picture.pixels[0] != kWhite || picture.pixels.back() != kBlack)
        return false;
    bool red = false, green = false, blue = false;
    for (COLORREF pixel : picture.pixels) {
        red |= pixel == RGB(255, 0, 0);
        green |= pixel == kGreen;
        blue |= pixel == RGB(0, 0, 255);
    }
    return red && green && blue;
}

int CountDiffering(const Picture& picture, const std::function<COLORREF(size_t)>& expected) {
    int differing = 0;
    for (size_t i = 0; i < picture.pixels.size(); ++i)
        differing += picture.pixels[i] != expected(i);
    return differing;
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

    const Picture first = velmar.WaitForPicture(IDC_PICTURE1, IsColourfulDefault);
    EXPECT_TRUE(IsColourfulDefault(first))
        << "Bitmap 1: white on top, black below, the three ellipses in colour";
    const Picture second = velmar.WaitForPicture(IDC_PICTURE2, IsColourfulDefault);
    ASSERT_TRUE(IsColourfulDefault(second));
    EXPECT_EQ(second.pixels[static_cast<size_t>(second.width - 1)], kBlack)
        << "Bitmap 2: black right";
    EXPECT_EQ(::GetFocus(), nullptr);  // (the test's own thread has no focus)
}

TEST_F(ProgramTest, TickedRowsGiveTheirCodeAndTheMaskAndMagentaExamplesWork) {
    ProgramDriver& velmar = StartProgram();
    TickResults(velmar, "01000111");
    EXPECT_TRUE(velmar.WaitForText(IDC_HEX, "0xE20746")) << velmar.Text(IDC_HEX);

    velmar.ClickItem(IDC_SRCCOPY);
    EXPECT_TRUE(velmar.WaitForText(IDC_HEX, "0xCC0020"));
    velmar.ClickItem(IDC_MONO2);
    EXPECT_TRUE(velmar.WaitForCheck(IDC_MONO2, true));
    ChooseColor(velmar, IDC_BK_COLOR1, kGreenIndex);
    EXPECT_EQ(velmar.SelectedColor(IDC_BK_COLOR1), kGreen);
    const Picture source = velmar.WaitForPicture(IDC_PICTURE1, IsColourfulDefault);
    ASSERT_TRUE(IsColourfulDefault(source));
    const auto maskOfGreen = [&](size_t i) { return source.pixels[i] == kGreen ? kWhite : kBlack; };
    velmar.ClickItem(IDC_BLT_1TO2);
    const Picture mask = velmar.WaitForPicture(IDC_PICTURE2, [&](const Picture& shown) {
        return shown.pixels.size() == source.pixels.size() &&
               CountDiffering(shown, maskOfGreen) == 0;
    });
    ASSERT_EQ(source.pixels.size(), mask.pixels.size());
    int green = 0;
    for (COLORREF pixel : source.pixels) green += pixel == kGreen;
    EXPECT_GT(green, 100);
    EXPECT_EQ(CountDiffering(mask, maskOfGreen), 0)
        << "Bitmap 2 is white exactly where Bitmap 1 is green";

    ChooseColor(velmar, IDC_BK_COLOR1, kWhiteIndex);
    ChooseColor(velmar, IDC_PATTERN_COLOR1, kMagentaIndex);
    TickResults(velmar, "01000111");
    EXPECT_TRUE(velmar.WaitForText(IDC_HEX, "0xE20746"));
    velmar.ClickItem(IDC_BLT_2TO1);
    const auto greenTurnedMagenta = [&](size_t i) {
        return source.pixels[i] == kGreen ? kMagenta : source.pixels[i];
    };
    const Picture result = velmar.WaitForPicture(IDC_PICTURE1, [&](const Picture& shown) {
        return CountDiffering(shown, greenTurnedMagenta) == 0;
    });
    EXPECT_EQ(CountDiffering(result, greenTurnedMagenta), 0)
        << "the green area turns magenta and nothing else changes";
}

TEST_F(ProgramTest, TypedCodesSetTheTableAndStayAsTyped) {
    ProgramDriver& velmar = StartProgram();
    ReplaceHexText(velmar, "0x660046");
    EXPECT_TRUE(WaitForResultColumn(velmar, "01100110")) << ResultColumn(velmar);
    EXPECT_EQ(velmar.Text(IDC_HEX), "0x660046");

    ReplaceHexText(velmar, "cc0000");
    EXPECT_TRUE(WaitForResultColumn(velmar, "00110011")) << ResultColumn(velmar);
    EXPECT_EQ(velmar.Text(IDC_HEX), "cc0000");
    const Picture first = velmar.WaitForPicture(IDC_PICTURE1, IsColourfulDefault);
    velmar.ClickItem(IDC_BLT_1TO2);
    const Picture second = velmar.WaitForPicture(
        IDC_PICTURE2, [&](const Picture& shown) { return shown.pixels == first.pixels; });
    EXPECT_EQ(first.pixels, second.pixels) << "0xCC0000 copies like SRCCOPY";
    velmar.ClickItem(IDC_RESULT_ROW1);
    EXPECT_TRUE(velmar.WaitForText(IDC_HEX, "0xCD0888"))
        << "a click replaces the code with the table's: " << velmar.Text(IDC_HEX);

    ReplaceHexText(velmar, "");
    EXPECT_TRUE(WaitForResultColumn(velmar, "00000000")) << ResultColumn(velmar);
    EXPECT_EQ(velmar.Text(IDC_HEX), "");
    EXPECT_FALSE(velmar.OpenMessageBox());
}

TEST_F(ProgramTest, OutOfRangeCodeIsReportedAtTheKeystrokeThatCompletesIt) {
    ProgramDriver& velmar = StartProgram();
    ReplaceHexText(velmar, "100000");
    EXPECT_TRUE(WaitForResultColumn(velmar, "00001000")) << ResultColumn(velmar);
    EXPECT_FALSE(velmar.OpenMessageBox());
    velmar.TypeText("0");
    const SeenMessageBox box = velmar.WaitForMessageBox();
    EXPECT_EQ(box.text, "Please enter an integer between 0 and ffffff.");
    EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(box.caption, "Velmar");
    EXPECT_TRUE(velmar.DismissMessageBox());
    EXPECT_TRUE(WaitForResultColumn(velmar, "00000000")) << ResultColumn(velmar);
    EXPECT_EQ(velmar.Text(IDC_HEX), "1000000");
    DWORD start = 1, end = 0;
    ::SendMessageA(velmar.Item(IDC_HEX), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 7u) << "the whole text is selected";

    // A seventh significant digit typed one by one fails the same way.
    ReplaceHexText(velmar, "ffffff");
    EXPECT_TRUE(WaitForResultColumn(velmar, "11111111")) << ResultColumn(velmar);
    EXPECT_FALSE(velmar.OpenMessageBox());
    velmar.TypeText("f");
    EXPECT_EQ(velmar.DismissMessageBoxes(1),
              std::vector<std::string>{"Please enter an integer between 0 and ffffff."});
    EXPECT_TRUE(WaitForResultColumn(velmar, "11111111"));

    // SRCCOPY after the failed text: the failure once more, then the default code.
    velmar.ClickItem(IDC_SRCCOPY);
    EXPECT_EQ(velmar.DismissMessageBoxes(1),
              std::vector<std::string>{"Please enter an integer between 0 and ffffff."});
    EXPECT_TRUE(velmar.WaitForText(IDC_HEX, "0xCC0020"));
    EXPECT_TRUE(WaitForResultColumn(velmar, "00110011")) << ResultColumn(velmar);
}

// The commit and the load each report the code; the load's rewrite of the field, which the
// commit's failure has given the focus, asks for a sync, whose commit reports it once more.
constexpr int kBoxesOfACommandAfterAFailedCommit = 3;

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
    ASSERT_TRUE(velmar.WaitForFocus(IDC_HEX));
    velmar.PressKey(VK_END);
    velmar.PressKeys({VK_SHIFT, VK_HOME});
    velmar.PressKeys({VK_CONTROL, 'V'});
    const SeenMessageBox box = velmar.WaitForMessageBox();
    EXPECT_EQ(box.text, "Please enter an integer.");
    EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_TRUE(velmar.DismissMessageBox());
    EXPECT_TRUE(WaitForResultColumn(velmar, "11111111")) << ResultColumn(velmar);

    // The blit runs with 0xFFFFFFFF (index 0xFF: white) and both exchanges report the field.
    velmar.ClickItem(IDC_BLT_1TO2);
    std::vector<std::string> texts = velmar.DismissMessageBoxes(kBoxesOfACommandAfterAFailedCommit);
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts,
              (std::vector<std::string>{"Please enter an integer between 0 and ffffff.",
                                        "Please enter an integer.", "Please enter an integer."}));
    const auto allWhite = [](const Picture& shown) {
        return std::all_of(shown.pixels.begin(), shown.pixels.end(),
                           [](COLORREF pixel) { return pixel == kWhite; });
    };
    EXPECT_TRUE(allWhite(velmar.WaitForPicture(IDC_PICTURE2, allWhite)));
}

TEST_F(ProgramTest, PanelCommandsStillActAfterAFailedCommit) {
    ProgramDriver& velmar = StartProgram();
    ChooseColor(velmar, IDC_BK_COLOR2, kGreenIndex);
    velmar.ClickItem(IDC_DEFAULT_COLORS2);
    EXPECT_TRUE(velmar.WaitUntil([&] { return velmar.SelectedColor(IDC_BK_COLOR2) == kWhite; }))
        << "Defaults after a good commit";

    ReplaceHexText(velmar, "1000000");
    EXPECT_EQ(velmar.DismissMessageBoxes(1).size(), 1u);
    ChooseColor(velmar, IDC_BK_COLOR2, kGreenIndex);
    velmar.ClickItem(IDC_MONO1);
    const std::vector<std::string> texts =
        velmar.DismissMessageBoxes(kBoxesOfACommandAfterAFailedCommit);
    EXPECT_EQ(texts, std::vector<std::string>(kBoxesOfACommandAfterAFailedCommit,
                                              "Please enter an integer between 0 and ffffff."));
    EXPECT_TRUE(velmar.IsChecked(IDC_MONO1));
    const auto blackAndWhite = [](const Picture& shown) {
        return std::all_of(shown.pixels.begin(), shown.pixels.end(),
                           [](COLORREF pixel) { return pixel == kWhite || pixel == kBlack; });
    };
    EXPECT_TRUE(blackAndWhite(velmar.WaitForPicture(IDC_PICTURE1, blackAndWhite)));
    EXPECT_EQ(velmar.SelectedColor(IDC_BK_COLOR2), kGreen) << "the picker keeps the user's choice";
}

// (Under Wine without a window manager a minimised window has no visible icon area, so the
// painting of the minimised icon cannot be looked at here; the window minimises and restores.)
// Posted system commands run in the order they were posted, so the minimise that follows shows
// that the two before it have been handled.
TEST_F(ProgramTest, SizeAndMaximizeDoNothingAndTheWindowMinimisesAndRestores) {
    ProgramDriver& velmar = StartProgram();
    HWND main = velmar.MainWindow();
    RECT before, after{};
    ::GetWindowRect(main, &before);
    ::PostMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ::PostMessageA(main, WM_SYSCOMMAND, SC_SIZE, 0);
    ::PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(velmar.WaitUntil([&] { return ::IsIconic(main) != FALSE; }));
    ::PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(velmar.WaitUntil([&] {
        return !::IsIconic(main) && ::GetWindowRect(main, &after) && ::EqualRect(&before, &after);
    })) << "restored to where it was, at its size";
    EXPECT_FALSE(::IsZoomed(main)) << "a restore would return to a maximised window";
    EXPECT_EQ(velmar.Text(IDC_HEX), "0xCC0020");
}

}  // namespace
