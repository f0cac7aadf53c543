#include <gtest/gtest.h>

#include <shlobj.h>

#include <fstream>
#include <string>
#include <vector>

#include "dropped_files.h"
#include "main_window_in_process.h"
#include "test_panel.h"

namespace {

// Every kind of change to a picture is one step: Undo gives back the pixels and the kind it had,
// with its B&W box, and Redo the change again; a new change ends what Redo had.
TEST(Workbench, UndoAndRedoGiveBackEveryKindOfChangeExactly) {
    MainWindow window;
    ASSERT_TRUE(window.Created());
    struct Change {
        const char* name;
        int picture;
        UINT command;
    };
    const Change changes[] = {
        {"Blt 1 to 2", IDC_PICTURE2, IDC_BLT_1TO2},
        {"MaskBlt 2 to 1", IDC_PICTURE1, IDC_MASKBLT_2TO1},
        {"Blt of the mask onto 2", IDC_PICTURE2, IDC_MASK_BLT_TO2},
        {"Clear 2", IDC_PICTURE2, IDC_DEFAULT_PICTURE2},
        {"B&W 2", IDC_PICTURE2, IDC_MONO2},
        {"Invert", IDC_MASK_PICTURE, IDC_MASK_INVERT},
        {"From 1", IDC_MASK_PICTURE, IDC_MASK_FROM1},
        {"Clear mask", IDC_MASK_PICTURE, IDC_MASK_DEFAULT_PICTURE},
        {"paste into 1", IDC_PICTURE1, ID_PASTE_PICTURE1},
    };
    SetHex(window, "0x660046");  // SRCINVERT: every blit changes its picture
    Command(window, ID_COPY_MASK);
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        const Pixels before = Shown(window.Item(change.picture));
        const UINT monoBefore = ::IsDlgButtonChecked(window.Handle(), IDC_MONO2);
        if (::GetDlgItem(window.Handle(), static_cast<int>(change.command)))
            ClickButton(window.Handle(), static_cast<int>(change.command));
        else
            Command(window, change.command);  // a command no button gives
        const Pixels after = Shown(window.Item(change.picture));
        ASSERT_NE(after, before) << "the change changed its picture";
        Command(window, ID_UNDO_PICTURE);
        EXPECT_EQ(Shown(window.Item(change.picture)), before);
        EXPECT_EQ(::IsDlgButtonChecked(window.Handle(), IDC_MONO2), monoBefore);
        Command(window, ID_REDO_PICTURE);
        EXPECT_EQ(Shown(window.Item(change.picture)), after);
    }
    Command(window, ID_UNDO_PICTURE);
    const Pixels undone = Shown(window.Item(IDC_PICTURE1));
    ClickButton(window.Handle(), IDC_BLT_2TO1);
    const Pixels changed = Shown(window.Item(IDC_PICTURE1));
    Command(window, ID_REDO_PICTURE);
    EXPECT_EQ(Shown(window.Item(IDC_PICTURE1)), changed) << "nothing left to redo";
    Command(window, ID_UNDO_PICTURE);
    EXPECT_EQ(Shown(window.Item(IDC_PICTURE1)), undone);
}

// The classic transparent blit with the mask as a source: SRCAND the mask onto the background
// (1 bits the Bk Color, white; 0 bits the Text Color, black), then SRCPAINT the sprite.
TEST(Workbench, TheMaskAsASourceMakesTheTwoStepTransparentBlit) {
    MainWindow window;
    ASSERT_TRUE(window.Created());
    const Pixels background = Shown(window.Item(IDC_PICTURE2));
    const Pixels mask = Shown(window.Item(IDC_MASK_PICTURE));
    const Pixels sprite = Shown(window.Item(IDC_PICTURE1));
    ASSERT_EQ(background.size(), mask.size());
    SetHex(window, "0x8800C6");  // SRCAND
    ClickButton(window.Handle(), IDC_MASK_BLT_TO2);
    SetHex(window, "0xEE0086");  // SRCPAINT
    ClickButton(window.Handle(), IDC_BLT_1TO2);
    const Pixels shown = Shown(window.Item(IDC_PICTURE2));
    size_t wrong = 0;
    for (size_t i = 0; i < shown.size(); ++i)
        wrong += shown[i] != ((background[i] & mask[i]) | sprite[i]);
    EXPECT_EQ(wrong, 0u);
}

std::wstring TempFile(const wchar_t* name, const std::vector<char>& bytes) {
    wchar_t folder[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + name;
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return path;
}

// A 24-bit BMP of this size, one colour.
std::vector<char> BmpFile(SIZE size, COLORREF color) {
    const int stride = (size.cx * 3 + 3) & ~3;
    std::vector<char> bytes(54 + static_cast<size_t>(stride * size.cy), 0);
    auto put = [&](size_t at, std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
    };
    put(0, 'B' | ('M' << 8), 2);
    put(2, static_cast<std::uint32_t>(bytes.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(size.cx), 4);
    put(22, static_cast<std::uint32_t>(size.cy), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x) {
            const size_t at = 54 + static_cast<size_t>(y * stride + x * 3);
            put(at, GetBValue(color) | (GetGValue(color) << 8) | (GetRValue(color) << 16), 3);
        }
    return bytes;
}

TEST(Workbench, AFileDroppedOnAPictureOpensIntoItAndABadOneChangesNothing) {
    MainWindow window;
    ASSERT_TRUE(window.Created());
    HWND picture = window.Item(IDC_PICTURE1);
    RECT client{};
    ::GetClientRect(picture, &client);
    const SIZE size{client.right, client.bottom};
    const std::wstring good = TempFile(L"velmar-drop.bmp", BmpFile(size, RGB(0x12, 0x80, 0xF0)));
    ::SendMessageA(picture, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(good)), 0);
    ASSERT_TRUE(WaitForPictureRead(window, IDC_SAMPLES_STATUS));
    const Pixels opened = Shown(picture);
    EXPECT_EQ(opened, Pixels(opened.size(), RGB(0x12, 0x80, 0xF0))) << "pixel for pixel";
    EXPECT_EQ(TextOf(window.Item(IDC_SAMPLES_STATUS)), "");

    // Named in a script the code page lacks: the line shows the name as it is.
    const std::wstring bad =
        TempFile(L"\u30B9\u30D7\u30E9\u03B1.txt", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i'});
    ::SendMessageA(picture, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(bad)), 0);
    ASSERT_TRUE(WaitForPictureRead(window, IDC_SAMPLES_STATUS));
    wchar_t said[80] = {};
    ::GetWindowTextW(window.Item(IDC_SAMPLES_STATUS), said, 80);
    EXPECT_STREQ(said, L"Not a picture Velmar can read: \u30B9\u30D7\u30E9\u03B1.txt");
    EXPECT_EQ(Shown(picture), opened) << "nothing changed";
    Command(window, ID_UNDO_PICTURE);
    EXPECT_NE(Shown(picture), opened) << "and no step added: Undo takes back the good file";
    ::DeleteFileW(good.c_str());
    ::DeleteFileW(bad.c_str());
}

// By the luminance rule of a picture taken into black and white.
Pixels InBlackAndWhite(Pixels pixels) {
    for (COLORREF& pixel : pixels) {
        const int light =
            (299 * GetRValue(pixel) + 587 * GetGValue(pixel) + 114 * GetBValue(pixel)) / 1000;
        pixel = light >= 128 ? kWhite : kBlack;
    }
    return pixels;
}

// B&W on a picture of the user's keeps the picture: in black and white by the luminance rule,
// then the colour picture back while nothing changed it, else the black-and-white one in colour.
TEST(Workbench, BAndWKeepsTheUsersPictureAndGivesItsColoursBack) {
    MainWindow window;
    ASSERT_TRUE(window.Created());
    const HWND picture = window.Item(IDC_PICTURE1);
    SetHex(window, "0x660046");  // SRCINVERT: a picture of the user's, in many colours
    ClickButton(window.Handle(), IDC_BLT_2TO1);
    const Pixels colour = Shown(picture);
    ASSERT_NE(colour, InBlackAndWhite(colour));

    ClickButton(window.Handle(), IDC_MONO1);
    EXPECT_EQ(Shown(picture), InBlackAndWhite(colour));
    ClickButton(window.Handle(), IDC_MONO1);
    EXPECT_EQ(Shown(picture), colour) << "nothing changed it: its colours come back";

    ClickButton(window.Handle(), IDC_MONO1);
    SetHex(window, "0x550009");  // DSTINVERT
    ClickButton(window.Handle(), IDC_BLT_2TO1);
    const Pixels changed = Shown(picture);
    ASSERT_NE(changed, InBlackAndWhite(colour));
    ClickButton(window.Handle(), IDC_MONO1);
    EXPECT_EQ(Shown(picture), changed) << "changed in black and white: so it stays, in colour";

    for (int step = 0; step < 3; ++step) Command(window, ID_UNDO_PICTURE);
    EXPECT_EQ(Shown(picture), colour) << "Undo goes back through every step";
    EXPECT_EQ(::IsDlgButtonChecked(window.Handle(), IDC_MONO1), UINT(BST_UNCHECKED));
}

TEST(Workbench, CopyThenPasteGivesTheSamePixelsInEachKind) {
    MainWindow window;
    ASSERT_TRUE(window.Created());
    ClickButton(window.Handle(), IDC_MONO2);
    const struct {
        UINT copy, paste;
        int from, to;
    } trips[] = {{ID_COPY_PICTURE1, ID_PASTE_PICTURE2, IDC_PICTURE1, IDC_PICTURE2},  // onto b/w
                 {ID_COPY_MASK, ID_PASTE_PICTURE1, IDC_MASK_PICTURE, IDC_PICTURE1},
                 {ID_COPY_PICTURE2, ID_PASTE_MASK, IDC_PICTURE2, IDC_MASK_PICTURE}};
    for (const auto& trip : trips) {
        Command(window, trip.copy);
        Command(window, trip.paste);
        const Pixels from = Shown(window.Item(trip.from)), to = Shown(window.Item(trip.to));
        if (trip.to == IDC_PICTURE2) {  // colour into black and white: by the luminance rule
            EXPECT_EQ(to, InBlackAndWhite(from));
        } else {
            EXPECT_EQ(to, from) << trip.to;
        }
    }
}

}  // namespace
