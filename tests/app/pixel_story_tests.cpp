#include <gtest/gtest.h>

#include <string>

#include "main_window_in_process.h"
#include "test_panel.h"

namespace {

std::string Line(const MainWindow& window) { return TextOf(window.Item(IDC_PIXEL_INSPECTOR)); }

void Point(const MainWindow& window, int id, int x, int y) {
    ::SendMessageA(window.Item(id), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

std::string Colour(COLORREF color) {
    char text[16];
    ::wsprintfA(text, "0x%08X", static_cast<unsigned>(color));
    return text;
}

std::string Bit(bool one) { return one ? "1 (white)" : "0 (black)"; }

int Width(HWND picture) {
    RECT client{};
    ::GetClientRect(picture, &client);
    return client.right;
}

TEST(PixelInspector, SaysThePixelUnderTheMouseInEachKindAndClearsWhenItLeaves) {
    MainWindow window;
    ASSERT_TRUE(window.Created());
    ClickButton(window.Handle(), IDC_MONO2);
    const struct {
        int id;
        const char* name;
        bool mono;
    } pictures[] = {{IDC_PICTURE1, "Bitmap 1", false},
                    {IDC_PICTURE2, "Bitmap 2", true},
                    {IDC_MASK_PICTURE, "Mask", true}};
    for (const auto& picture : pictures) {
        const Pixels shown = Shown(window.Item(picture.id));
        const int width = Width(window.Item(picture.id));
        for (const POINT at : {POINT{3, 4}, POINT{width / 2, 30}}) {
            Point(window, picture.id, at.x, at.y);
            const COLORREF pixel = shown[static_cast<size_t>(at.y * width + at.x)];
            EXPECT_EQ(Line(window), std::string(picture.name) + " at " + std::to_string(at.x) +
                                        ", " + std::to_string(at.y) + ": " +
                                        (picture.mono ? Bit(pixel == kWhite) : Colour(pixel)));
        }
        ::SendMessageA(window.Item(picture.id), WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(Line(window), "") << picture.name;
    }

    // Without a mouse: the arrow keys move a marked pixel from the middle.
    HWND picture = window.Item(IDC_PICTURE1);
    ::SetFocus(picture);
    ::SendMessageA(picture, WM_KEYDOWN, VK_RIGHT, 0);
    ::SendMessageA(picture, WM_KEYDOWN, VK_DOWN, 0);
    RECT client{};
    ::GetClientRect(picture, &client);
    EXPECT_EQ(Line(window).rfind("Bitmap 1 at " + std::to_string(client.right / 2 + 1) + ", " +
                                     std::to_string(client.bottom / 2 + 1) + ": ",
                                 0),
              0u)
        << Line(window);
}

// After a blit the line says what went into the pixel, against the model: S converted as GDI
// converts between the kinds, P the destination's white brush, the row where all are 0 or 1.
TEST(PixelInspector, AfterABlitTellsDSPAndTheRowThatMadeThePixel) {
    MainWindow window;
    ASSERT_TRUE(window.Created());
    ClickButton(window.Handle(), IDC_MONO2);
    const int width = Width(window.Item(IDC_PICTURE1));
    const struct {
        const char* code;
        int onto;  // 2: colour Bitmap 1 onto b/w Bitmap 2; 1: the other way
        bool (*result)(bool p, bool s, bool d);
    } blits[] = {
        {"0x660046", 2, [](bool, bool s, bool d) { return s != d; }},  // SRCINVERT
        {"0xC000CA", 1, [](bool p, bool s, bool) { return p && s; }},  // MERGECOPY
        {"0x550009", 2, [](bool, bool, bool d) { return !d; }},        // DSTINVERT
    };
    for (const auto& blit : blits) {
        SCOPED_TRACE(blit.code);
        const int destination = blit.onto == 2 ? IDC_PICTURE2 : IDC_PICTURE1;
        const int source = blit.onto == 2 ? IDC_PICTURE1 : IDC_PICTURE2;
        const Pixels d = Shown(window.Item(destination)), s = Shown(window.Item(source));
        SetHex(window, blit.code);
        ClickButton(window.Handle(), blit.onto == 2 ? IDC_BLT_1TO2 : IDC_BLT_2TO1);
        const Pixels after = Shown(window.Item(destination));
        for (const POINT at : {POINT{2, 2}, POINT{width - 3, 40}, POINT{width / 2, 70}}) {
            const size_t i = static_cast<size_t>(at.y * width + at.x);
            Point(window, destination, at.x, at.y);
            const std::string line = Line(window);
            // S as the destination took it: colour onto b/w is 1 where it is the source's Bk
            // Color (white); b/w onto colour is the destination's Bk (white) or Text (black).
            const bool sBit = s[i] == kWhite, dBit = d[i] == kWhite;
            const bool expected = blit.result(true, sBit, dBit);
            if (blit.onto == 2) {
                EXPECT_EQ(after[i], expected ? kWhite : kBlack);
                EXPECT_NE(line.find(": " + Bit(expected) + " from Blt"), std::string::npos) << line;
                EXPECT_NE(line.find("D " + Bit(dBit)), std::string::npos) << line;
                EXPECT_NE(line.find("S " + Colour(s[i]) + " became " + (sBit ? "1," : "0, not")),
                          std::string::npos)
                    << line;
                EXPECT_NE(line.find("P 1 (white), row " + std::to_string(4 + 2 * sBit + dBit + 1)),
                          std::string::npos)
                    << line;
            } else {
                EXPECT_NE(line.find("S " + Bit(sBit) + " became " + Colour(sBit ? kWhite : kBlack)),
                          std::string::npos)
                    << line;
                EXPECT_NE(line.find("D " + Colour(d[i])), std::string::npos) << line;
                EXPECT_NE(line.find(", P 0x00FFFFFF"), std::string::npos) << line;
                const bool rowNamed = d[i] == kWhite || d[i] == kBlack;
                EXPECT_EQ(line.find(", row ") != std::string::npos, rowNamed) << line;
            }
        }
    }
    // Another change of the picture: only the pixel again.
    ClickButton(window.Handle(), IDC_DEFAULT_PICTURE2);
    Point(window, IDC_PICTURE2, 2, 2);
    EXPECT_EQ(Line(window).find(" from "), std::string::npos) << Line(window);
}

// The diagram changes the code as the result boxes do, and follows every change of the code.
TEST(Diagram, SpaceTogglesTheFocusedRowAndTheTextFollowsTheCode) {
    MainWindow window;
    ASSERT_TRUE(window.Created());
    HWND diagram = window.Item(IDC_ROP_DIAGRAM);
    char text[128] = "";
    ::GetWindowTextA(diagram, text, sizeof text);
    EXPECT_STREQ(text, "Row 1: P 0, S 0, D 0, result 0");
    ::SetFocus(diagram);
    ::SendMessageA(diagram, WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageA(diagram, WM_CHAR, ' ', 0);
    PumpUntil([&] {
        char hex[32] = "";
        ::GetWindowTextA(window.Item(IDC_HEX), hex, sizeof hex);
        return std::string(hex) == "0xCD0888";
    });
    ::GetWindowTextA(window.Item(IDC_HEX), text, sizeof text);
    EXPECT_STREQ(text, "0xCD0888") << "row 1 ticked: SRCCOPY's index 0xCC becomes 0xCD";
    EXPECT_EQ(::IsDlgButtonChecked(window.Handle(), IDC_RESULT_ROW1), BST_CHECKED);
    ::GetWindowTextA(diagram, text, sizeof text);
    EXPECT_STREQ(text, "Row 1: P 0, S 0, D 0, result 1");
    ClickButton(window.Handle(), IDC_SRCCOPY);
    ::GetWindowTextA(diagram, text, sizeof text);
    EXPECT_STREQ(text, "Row 1: P 0, S 0, D 0, result 0");
}

}  // namespace
