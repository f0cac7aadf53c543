#include <gtest/gtest.h>

#include <string>

#include "framework_ids.h"
#include "program_fixture.h"
#include "resource.h"
#include "ui_test.h"

namespace {

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

// The About box of a first run of a version opens before the main window is shown.
void ExpectAboutBoxBeforeTheMainWindow(ProgramDriver& velmar) {
    HWND about = velmar.WaitForWindow("About Velmar");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(velmar.FindWindowByCaption("Velmar"), nullptr) << "the main window is not shown yet";
    ::SetForegroundWindow(about);
    velmar.PressKey(VK_RETURN);
    EXPECT_NE(velmar.WaitForMainWindow(), nullptr);
}

TEST_F(ProgramTest, FirstRunOfAVersionOpensTheAboutBoxOnceBeforeTheMainWindow) {
    program_registry::DeleteAll();
    {
        ProgramDriver velmar(VELMAR_EXE);
        ASSERT_TRUE(velmar.Start());
        ExpectAboutBoxBeforeTheMainWindow(velmar);
        EXPECT_EQ(program_registry::StoredVersion(), program_registry::kRunningVersion);
        velmar.PressKey(VK_ESCAPE);
        EXPECT_EQ(velmar.WaitForExit(), 0);
    }
    {
        ProgramDriver& velmar = StartProgram();
        EXPECT_EQ(velmar.FindWindowByCaption("About Velmar"), nullptr) << "the same version again";
        velmar.PressKey(VK_ESCAPE);
        EXPECT_EQ(velmar.WaitForExit(), 0);
    }
    program_registry::SetStoredVersion(0x00010006);
    {
        ProgramDriver velmar(VELMAR_EXE);
        ASSERT_TRUE(velmar.Start());
        ExpectAboutBoxBeforeTheMainWindow(velmar);
        EXPECT_EQ(program_registry::StoredVersion(), program_registry::kRunningVersion);
    }
}

TEST_F(ProgramTest, CloseEscapeAndTheSystemMenuEndTheProgramWritingNothing) {
    const FILETIME written = program_registry::LastWrite();
    for (int way = 0; way < 3; ++way) {
        ProgramDriver& velmar = StartProgram();
        if (way == 0) velmar.ClickItem(IDCANCEL);
        if (way == 1) velmar.PressKey(VK_ESCAPE);
        if (way == 2) velmar.PressKeys({VK_MENU, VK_F4});
        EXPECT_EQ(velmar.WaitForExit(), 0) << "way " << way;
        EXPECT_TRUE(SameTime(program_registry::LastWrite(), written)) << "way " << way;
    }
}

TEST_F(ProgramTest, HelpAndAboutOpenOnceEachOwnedByTheMainWindow) {
    ProgramDriver& velmar = StartProgram();
    const struct {
        int button;
        const char* caption;
        WORD closeKey;
    } dialogs[] = {{ID_HELP, "Velmar Help", VK_ESCAPE}, {ID_APP_ABOUT, "About Velmar", VK_RETURN}};
    for (const auto& dialog : dialogs) {
        velmar.ClickItem(dialog.button);
        HWND window = velmar.WaitForWindow(dialog.caption);
        ASSERT_NE(window, nullptr) << dialog.caption;
        EXPECT_EQ(::GetWindow(window, GW_OWNER), velmar.MainWindow());
        EXPECT_FALSE(::IsWindowEnabled(velmar.MainWindow())) << "modal over the main window";
        ::SetForegroundWindow(window);
        velmar.PressKey(dialog.closeKey);
        PumpUntil([&] { return !::IsWindow(window); });
        EXPECT_FALSE(::IsWindow(window));
        EXPECT_TRUE(::IsWindowEnabled(velmar.MainWindow()));
    }
}

TEST_F(ProgramTest, OldSystemIsRefusedBeforeAnythingElse) {
    // Wine reports the Windows version set for a program by name, so a copy of the program
    // sees a 16-bit era system.
    const std::string exe = CopyOfProgram("velmar-oldsystem.exe");
    HKEY key = nullptr;
    ASSERT_EQ(
        ::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\velmar-oldsystem.exe", 0,
                          nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    ::RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("win31"), 6);
    ::RegCloseKey(key);
    program_registry::DeleteAll();

    ProgramDriver velmar(exe);
    ASSERT_TRUE(velmar.Start());
    const SeenMessageBox box = velmar.WaitForMessageBox();
    EXPECT_EQ(box.text.substr(0, 71),
              "This application only runs under Windows 95, NT v4.0, or later version.");
    EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONSTOP));
    HWND captioned = velmar.FindWindowByCaption("Velmar");
    EXPECT_TRUE(captioned == nullptr || IsMessageBox(captioned)) << "only the message box";
    velmar.DismissMessageBox();
    EXPECT_EQ(velmar.WaitForExit(), 0);
    EXPECT_FALSE(program_registry::KeyExists());
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\velmar-oldsystem.exe");
    ::DeleteFileA(exe.c_str());
}

TEST_F(ProgramTest, ProgramWithoutVersionInformationReportsItAndEnds) {
    const std::string exe = VELMAR_WITHOUT_VERSION_EXE;
    program_registry::DeleteAll();

    ProgramDriver velmar(exe);
    ASSERT_TRUE(velmar.Start());
    const SeenMessageBox box = velmar.WaitForMessageBox();
    EXPECT_EQ(box.text, "A required resource was unavailable.");
    EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    velmar.DismissMessageBox();
    EXPECT_EQ(velmar.WaitForExit(), 0);
    EXPECT_FALSE(program_registry::KeyExists());
}

}  // namespace
