#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cstring.h"
#include "framework_ids.h"
#include "program_fixture.h"
#include "read_only_access.h"
#include "registry_change_watch.h"
#include "resource.h"
#include "ui_test.h"

namespace {

TEST_F(ProgramTest, FirstRunOfAVersionOpensTheAboutBoxOnceBeforeTheMainWindow) {
    program_registry::DeleteAll();
    {
        ProgramDriver velmar(VELMAR_EXE);
        ASSERT_TRUE(velmar.Start());
        ExpectAboutBoxBeforeTheMainWindow(velmar);
        EXPECT_EQ(program_registry::StoredVersion(), program_registry::kRunningVersion);
        CloseWithEscape(velmar);
        EXPECT_EQ(velmar.WaitForExit(), 0);
    }
    {
        ProgramDriver& velmar = StartProgram();
        EXPECT_EQ(velmar.FindWindowByCaption("About Velmar"), nullptr) << "the same version again";
        CloseWithEscape(velmar);
        EXPECT_EQ(velmar.WaitForExit(), 0);
    }
    program_registry::SetStoredVersion(program_registry::kRunningVersion - 1);
    {
        ProgramDriver velmar(VELMAR_EXE);
        ASSERT_TRUE(velmar.Start());
        ExpectAboutBoxBeforeTheMainWindow(velmar);
        EXPECT_EQ(program_registry::StoredVersion(), program_registry::kRunningVersion);
    }
}

TEST_F(ProgramTest, CloseEscapeAndTheSystemMenuEndTheProgramWritingNothing) {
    // A first run from this place records its path; the runs watched below have nothing to add.
    ::PostMessageA(StartProgram().MainWindow(), WM_COMMAND, IDCANCEL, 0);
    ASSERT_EQ(m_program->WaitForExit(), 0);
    for (int way = 0; way < 3; ++way) {
        const RegistryChangeWatch writes(HKEY_LOCAL_MACHINE, "Software\\Tovera");
        ASSERT_TRUE(writes.Watching());
        ProgramDriver& velmar = StartProgram();
        if (way == 0) velmar.ClickItem(IDCANCEL);
        if (way == 1) CloseWithEscape(velmar);
        if (way == 2) {
            ASSERT_TRUE(velmar.ActivateForKeys(velmar.MainWindow()));
            velmar.PressKeys({VK_MENU, VK_F4});
        }
        EXPECT_EQ(velmar.WaitForExit(), 0) << "way " << way;
        EXPECT_FALSE(writes.Changed()) << "way " << way;
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
        EXPECT_TRUE(velmar.WaitUntil([&] { return !::IsWindowEnabled(velmar.MainWindow()); }))
            << "modal over the main window";
        ASSERT_TRUE(velmar.ActivateForKeys(window));
        velmar.PressKey(dialog.closeKey);
        EXPECT_TRUE(velmar.WaitUntil([&] { return !::IsWindow(window); }));
        EXPECT_TRUE(velmar.WaitUntil([&] { return ::IsWindowEnabled(velmar.MainWindow()) != 0; }));
    }
}

// A folder whose name no single code page holds, as a user name in another script gives.
class ProgramInAFolderOfAnyScript {
public:
    ProgramInAFolderOfAnyScript() {
        wchar_t temp[MAX_PATH] = L"";
        ::GetTempPathW(MAX_PATH, temp);
        std::wstring folder = temp;
        for (const wchar_t* part :
             {L"\u0141ucja", L"\u0417\u0430\u0433\u0440\u0443\u0437\u043a\u0438",
              L"\u5de5\u5177"}) {
            folder += part;
            ::CreateDirectoryW(folder.c_str(), nullptr);
            m_folders.push_back(folder);
            folder += L"\\";
        }
        m_path = folder + L"velmar.exe";
        m_copied = ::CopyFileW(AfxWidenText(VELMAR_EXE), m_path.c_str(), FALSE) != FALSE;
    }
    ~ProgramInAFolderOfAnyScript() {
        ::DeleteFileW(m_path.c_str());
        for (auto folder = m_folders.rbegin(); folder != m_folders.rend(); ++folder)
            ::RemoveDirectoryW(folder->c_str());
    }
    ProgramInAFolderOfAnyScript(const ProgramInAFolderOfAnyScript&) = delete;
    ProgramInAFolderOfAnyScript& operator=(const ProgramInAFolderOfAnyScript&) = delete;

    bool Copied() const { return m_copied; }
    const std::wstring& Path() const { return m_path; }

private:
    std::vector<std::wstring> m_folders;
    std::wstring m_path;
    bool m_copied = false;
};

std::wstring StoredPath() {
    wchar_t path[2 * MAX_PATH] = L"";
    DWORD size = sizeof path - sizeof(wchar_t);
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, AfxWidenText(program_registry::kKey), L"Path",
                       RRF_RT_REG_SZ, nullptr, path, &size) != ERROR_SUCCESS)
        return {};
    return path;
}

TEST_F(ProgramTest, StartsFromAFolderOfAnyScriptAndRecordsItsRealPath) {
    const ProgramInAFolderOfAnyScript copy;
    ASSERT_TRUE(copy.Copied());
    ProgramDriver velmar(copy.Path());
    ASSERT_TRUE(velmar.Start());
    ASSERT_NE(velmar.WaitForMainWindow(), nullptr) << "the program refused to start";
    EXPECT_EQ(StoredPath(), copy.Path());
    CloseWithEscape(velmar);
    EXPECT_EQ(velmar.WaitForExit(), 0);
}

// As a standard user meets the program: the machine's record can be read, not written.
TEST_F(ProgramTest, WithoutWriteAccessToTheMachinesRecordTheAboutBoxOpensOncePerUser) {
    const std::string userKey = "Software\\Tovera";
    ::RegDeleteTreeA(HKEY_CURRENT_USER, userKey.c_str());
    program_registry::SetStoredVersion(program_registry::kRunningVersion - 1);
    {
        const ReadOnlyAccess standardUser(HKEY_LOCAL_MACHINE, program_registry::kKey);
        {
            ProgramDriver velmar(VELMAR_EXE);
            ASSERT_TRUE(velmar.Start());
            ExpectAboutBoxBeforeTheMainWindow(velmar);
            CloseWithEscape(velmar);
            EXPECT_EQ(velmar.WaitForExit(), 0);
        }
        {
            ProgramDriver& velmar = StartProgram();
            EXPECT_EQ(velmar.FindWindowByCaption("About Velmar"), nullptr) << "seen by this user";
            CloseWithEscape(velmar);
            EXPECT_EQ(velmar.WaitForExit(), 0);
        }
    }
    EXPECT_EQ(program_registry::StoredVersion(), program_registry::kRunningVersion - 1)
        << "the machine's record is as it was";
    DWORD seen = 0, size = sizeof seen;
    EXPECT_EQ(::RegGetValueA(HKEY_CURRENT_USER, program_registry::kKey, "Version", RRF_RT_REG_DWORD,
                             nullptr, &seen, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(seen, program_registry::kRunningVersion);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, userKey.c_str());
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
