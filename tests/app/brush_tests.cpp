#include <gtest/gtest.h>

#include <string>

#include "brush_pattern.h"
#include "main_window_steps.h"
#include "program_fixture.h"
#include "resource.h"

namespace {

constexpr int kHalftone = 7, kCustom = 8;

// In UTF-16: another process's list answers in the system's own form.
std::string ListEntry(HWND list, int index) {
    wchar_t text[64] = L"";
    if (::SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) >= 64) return "";
    ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return std::string(text, text + ::lstrlenW(text));  // the names are ASCII
}

// As a user's choice and automation both tell the window: the selection, then CBN_SELCHANGE.
void ChooseBrush(ProgramDriver& velmar, int listId, int index) {
    HWND list = velmar.Item(listId);
    ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(velmar.MainWindow(), WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
}

// The halftone as PATCOPY draws it with the default colours (0 bits black, 1 bits white).
bool ShowsHalftoneAt(const Picture& shown, int originX, int originY) {
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x)
            if (shown.pixels[static_cast<size_t>(y * shown.width + x)] !=
                (PatternBit(kHalftonePattern, x - originX, y - originY) ? kWhite : kBlack))
                return false;
    return true;
}

TEST_F(ProgramTest, APanelsBrushComesFromItsListAndAMonochromePatternSaysWhereItsColoursAre) {
    ProgramDriver& velmar = StartProgram();
    const char* const names[] = {"Solid",
                                 "Horizontal",
                                 "Vertical",
                                 "Forward diagonal",
                                 "Backward diagonal",
                                 "Cross",
                                 "Diagonal cross",
                                 "Halftone",
                                 "Custom"};
    HWND list = velmar.Item(IDC_BRUSH2);
    ASSERT_EQ(::SendMessageA(list, CB_GETCOUNT, 0, 0), 9);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(ListEntry(list, i), names[i]);
    EXPECT_EQ(velmar.SelectedIndex(IDC_BRUSH2), 0) << "Solid first";
    for (int style = 0; style < 9; ++style) {
        ChooseBrush(velmar, IDC_BRUSH2, style);
        const bool monochrome = style == kHalftone || style == kCustom;
        EXPECT_EQ(::IsWindowEnabled(velmar.Item(IDC_PATTERN_COLOR2)) != FALSE, !monochrome)
            << names[style];
        EXPECT_EQ(velmar.Text(IDC_BRUSH_COLORS2),
                  monochrome ? "0 bits: Text Color, 1 bits: Bk Color" : "")
            << names[style];
        EXPECT_TRUE(::IsWindowEnabled(velmar.Item(IDC_PATTERN_COLOR1))) << "the other panel's";
    }

    // The brush is taken at the blit, from the panel's own origin.
    ChooseBrush(velmar, IDC_BRUSH2, kHalftone);
    ReplaceText(velmar, IDC_BRUSH_ORIGIN_X2, "3");
    ReplaceHexText(velmar, "0xF00021");  // PATCOPY
    velmar.ClickItem(IDC_BLT_1TO2);
    const auto halftone = [](const Picture& shown) { return ShowsHalftoneAt(shown, 3, 0); };
    EXPECT_TRUE(halftone(velmar.WaitForPicture(IDC_PICTURE2, halftone)));

    velmar.ClickItem(IDC_DEFAULT_COLORS2);
    EXPECT_TRUE(velmar.WaitUntil([&] { return velmar.SelectedIndex(IDC_BRUSH2) == 0; }));
    EXPECT_EQ(velmar.Text(IDC_BRUSH_ORIGIN_X2), "0");
    EXPECT_TRUE(::IsWindowEnabled(velmar.Item(IDC_PATTERN_COLOR2)));
}

TEST_F(ProgramTest, AnOriginOutsideZeroToSevenIsRefusedAndTheBltUsesTheLastValidOne) {
    ProgramDriver& velmar = StartProgram();
    ChooseBrush(velmar, IDC_BRUSH2, kHalftone);
    ReplaceText(velmar, IDC_BRUSH_ORIGIN_Y2, "5");
    ReplaceHexText(velmar, "0xF00021");
    velmar.ClickItem(IDC_BLT_1TO2);
    ASSERT_TRUE(velmar.WaitUntil([&] { return velmar.Text(IDC_BRUSH_ORIGIN_Y2) == "5"; }));

    ReplaceText(velmar, IDC_BRUSH_ORIGIN_Y2, "8");
    velmar.ClickItem(IDC_BLT_2TO1);
    const SeenMessageBox box = velmar.WaitForMessageBox();
    EXPECT_EQ(box.text, "Please enter an integer between 0 and 7.");
    EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_TRUE(velmar.DismissMessageBox());
    EXPECT_TRUE(velmar.WaitForFocus(IDC_BRUSH_ORIGIN_Y2));
    DWORD start = 1, end = 0;
    ::SendMessageA(velmar.Item(IDC_BRUSH_ORIGIN_Y2), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, static_cast<DWORD>(velmar.Text(IDC_BRUSH_ORIGIN_Y2).size()))
        << "its text selected";

    // The Blt 2 -> 1 ran all the same; the next one onto Bitmap 2 uses origin 5, the last valid.
    velmar.ClickItem(IDC_BLT_1TO2);
    const auto halftone = [](const Picture& shown) { return ShowsHalftoneAt(shown, 0, 5); };
    EXPECT_TRUE(halftone(velmar.WaitForPicture(IDC_PICTURE2, halftone)));
    EXPECT_FALSE(velmar.OpenMessageBox());
}

}  // namespace
