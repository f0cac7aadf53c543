#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "dropped_files.h"
#include "gdi_quota.h"
#include "main_window_in_process.h"
#include "picture_test_encoder.h"
#include "resource.h"
#include "ui_test.h"

namespace {

// The headroom is an exact count, so one handle lost per command shows as a difference of the
// number of repetitions. 80 runs every variation of every command (16 colours, 5 entries) at
// least five times; VELMAR_COMMAND_REPETITIONS=10000 runs the long count.
int Repetitions() {
    const char* text = std::getenv("VELMAR_COMMAND_REPETITIONS");
    const int count = text ? std::atoi(text) : 0;
    return count > 0 ? count : 80;
}
// First uses fill caches (icons, fonts, brushes of the system) that are meant to stay.
constexpr int kWarmUp = 20;

struct Command {
    const char* name;
    void (*run)(const MainWindow&, int);
    bool opensWindow = false;  // each repetition opens one window, which the closer answers
};

void PrintTo(const Command& command, std::ostream* out) { *out << command.name; }

void Click(const MainWindow& window, int id) { ClickButton(window.Handle(), id); }

std::wstring TempPicture(const wchar_t* name, UINT side) {
    wchar_t folder[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + name;
    WriteLargePng(path, side, side);
    return path;
}

void TypeHex(const MainWindow& window, int repetition) {
    const char* codes[] = {"0xE20746", "cc0000", "1000000", ""};
    ::SetFocus(window.Item(IDC_HEX));
    ::SetWindowTextA(window.Item(IDC_HEX), codes[repetition % 4]);
}

// Good and bad entries alike: a fault is shown in the window, the others set the code.
void SetExpression(const MainWindow& window, int repetition) {
    const char* entries[] = {"(P & S) | (D & ~S)", "DSna", "srcpaint", "P & Q", "(P"};
    ::SetWindowTextA(window.Item(IDC_EXPRESSION), entries[repetition % 5]);
    Click(window, IDC_EXPRESSION_SET);
}

// A large picture dropped on Bitmap 1 and read to the end; every other time a small one dropped
// at once after it, so the large one's reading is abandoned.
void DropLargePicture(const MainWindow& window, int repetition) {
    static const std::wstring large = TempPicture(L"velmar-leak-large.png", 2000);
    static const std::wstring small = TempPicture(L"velmar-leak-small.png", 8);
    const HWND picture = window.Item(IDC_PICTURE1);
    ::SendMessageA(picture, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(large)), 0);
    if (repetition % 2)
        ::SendMessageA(picture, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(small)), 0);
    WaitForPictureRead(window, IDC_SAMPLES_STATUS);
}

// Every command a person can give the main window, each with a variation per repetition so the
// code paths that differ (mode, colour, code out of range) all run.
const Command kCommands[] = {
    {"result box", [](const MainWindow& w, int i) { Click(w, IDC_RESULT_ROW1 + i % 8); }},
    {"typed Hex text", TypeHex},
    {"SRCCOPY", [](const MainWindow& w, int) { Click(w, IDC_SRCCOPY); }},
    {"Blt 1 to 2", [](const MainWindow& w, int) { Click(w, IDC_BLT_1TO2); }},
    {"Blt 2 to 1", [](const MainWindow& w, int) { Click(w, IDC_BLT_2TO1); }},
    {"B&W 1", [](const MainWindow& w, int) { Click(w, IDC_MONO1); }},
    {"B&W 2", [](const MainWindow& w, int) { Click(w, IDC_MONO2); }},
    {"colour choice and Clear 1",
     [](const MainWindow& w, int i) {
         ::SendMessageA(w.Item(IDC_BK_COLOR1), CB_SETCURSEL, i % 16, 0);
         Click(w, IDC_DEFAULT_PICTURE1);
     }},
    {"Clear 2", [](const MainWindow& w, int) { Click(w, IDC_DEFAULT_PICTURE2); }},
    {"Defaults 1", [](const MainWindow& w, int) { Click(w, IDC_DEFAULT_COLORS1); }},
    {"Defaults 2", [](const MainWindow& w, int) { Click(w, IDC_DEFAULT_COLORS2); }},
    {"Set", SetExpression},
    {"Copy in every form",
     [](const MainWindow& w, int i) {
         ::SendMessageA(w.Item(IDC_COPY_FORM), CB_SETCURSEL, i % 12, 0);
         Click(w, IDC_COPY);
     }},
    {"MaskBlt 1 to 2", [](const MainWindow& w, int) { Click(w, IDC_MASKBLT_1TO2); }},
    {"MaskBlt 2 to 1 with a background typed",
     [](const MainWindow& w, int i) {
         const char* backgrounds[] = {"D", "0x55", "DSna", "P &"};
         ::SetWindowTextA(w.Item(IDC_MASK_BACKGROUND), backgrounds[i % 4]);
         Click(w, IDC_MASKBLT_2TO1);
     }},
    {"mask Invert, From 1 and Clear",
     [](const MainWindow& w, int i) {
         Click(w, i % 3 == 0   ? IDC_MASK_INVERT
                  : i % 3 == 1 ? IDC_MASK_FROM1
                               : IDC_MASK_DEFAULT_PICTURE);
     }},
    {"brush of every style, and Blt onto it",
     [](const MainWindow& w, int i) {
         HWND list = w.Item(IDC_BRUSH2);
         ::SendMessageA(list, CB_SETCURSEL, i % 9, 0);
         ::SendMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDC_BRUSH2, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(list));
         Click(w, IDC_BLT_1TO2);
     }},
    {"copy and paste of every picture, Undo and Redo",
     [](const MainWindow& w, int i) {
         const UINT commands[] = {ID_COPY_PICTURE1,  ID_PASTE_PICTURE2, ID_COPY_MASK,
                                  ID_PASTE_PICTURE1, ID_COPY_PICTURE2,  ID_PASTE_MASK,
                                  ID_UNDO_PICTURE,   ID_UNDO_PICTURE,   ID_REDO_PICTURE};
         ::SendMessageA(w.Handle(), WM_COMMAND, commands[i % 9], 0);
     }},
    {"diagram toggle and pixel inspection after a blit",
     [](const MainWindow& w, int i) {
         ::SendMessageA(w.Item(IDC_ROP_DIAGRAM), WM_CHAR, ' ', 0);
         Click(w, i % 2 ? IDC_BLT_1TO2 : IDC_MASK_BLT_TO2);
         ::SendMessageA(w.Item(IDC_PICTURE2), WM_MOUSEMOVE, 0, MAKELPARAM(i % 50, i % 30));
     }},
    {"Open of a large picture, and one abandoned for another", DropLargePicture},
    {"About", [](const MainWindow& w, int) { Click(w, ID_APP_ABOUT); }, true},
    {"Help", [](const MainWindow& w, int) { Click(w, ID_HELP); }, true},
};

// Out-of-range and empty codes, each answered with a message box, run the failure paths too; the
// field is made valid again before the next command's test.
void ResetHex(const MainWindow& window) {
    ::SetFocus(window.Item(IDC_RESULT_ROW1));
    ::SetWindowTextA(window.Item(IDC_HEX), "0xCC0020");
    PumpMessages();
}

class CommandLeaks : public ::testing::TestWithParam<Command> {};

// GDI handle tables are bounded, so one handle lost per command would show in the headroom at
// once, and soon as wrong pictures.
TEST_P(CommandLeaks, RepeatedLeavesNoGdiHandleBehind) {
    const Command& command = GetParam();
    MainWindow window;
    ASSERT_TRUE(window.Created());
    SecondaryWindowCloser closer(window.Handle());
    ASSERT_TRUE(closer.Hooked());

    auto repeat = [&](int from, int count) {
        for (int i = from; i < from + count; ++i) {
            command.run(window, i);
            PumpMessages();
        }
        ResetHex(window);
    };
    repeat(0, kWarmUp);
    const size_t headroomBefore = GdiHeadroom();
    DWORD handlesBefore = 0, handlesAfter = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &handlesBefore);
    const int repetitions = Repetitions();
    repeat(kWarmUp, repetitions);

    EXPECT_EQ(GdiHeadroom(), headroomBefore);
    ::GetProcessHandleCount(::GetCurrentProcess(), &handlesAfter);
    EXPECT_EQ(handlesAfter, handlesBefore) << "kernel handles: threads, files, events";
    if (command.opensWindow) {
        EXPECT_EQ(closer.Closed(), kWarmUp + repetitions);
    }
    EXPECT_TRUE(::IsWindowVisible(window.Handle()));
    std::printf("%s: %d repetitions\n", command.name, repetitions);
}

// The measure itself: a command that loses one brush each time is seen to lose exactly that many.
TEST(CommandLeakMeasure, SeesOneLostHandlePerRepetition) {
    MainWindow window;
    ASSERT_TRUE(window.Created());
    for (int i = 0; i < kWarmUp; ++i) Click(window, IDC_DEFAULT_PICTURE1);
    PumpMessages();
    std::vector<HBRUSH> lost;
    const size_t headroomBefore = GdiHeadroom();
    for (int i = 0; i < Repetitions(); ++i) {
        Click(window, IDC_DEFAULT_PICTURE1);
        lost.push_back(::CreateSolidBrush(RGB(1, 2, 3)));
        PumpMessages();
    }
    EXPECT_EQ(headroomBefore - GdiHeadroom(), lost.size());
    for (HBRUSH brush : lost) ::DeleteObject(brush);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, CommandLeaks, ::testing::ValuesIn(kCommands),
                         [](const ::testing::TestParamInfo<Command>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             return name;
                         });

}  // namespace
