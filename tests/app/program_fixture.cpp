#include "program_fixture.h"

namespace program_registry {

void DeleteAll() { ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Tovera"); }

void SetStoredVersion(DWORD version) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, "Version", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&version),
                     sizeof version);
    ::RegCloseKey(key);
}

DWORD StoredVersion() {
    DWORD version = 0, size = sizeof version;
    if (::RegGetValueA(HKEY_LOCAL_MACHINE, kKey, "Version", RRF_RT_REG_DWORD, nullptr, &version,
                       &size) != ERROR_SUCCESS)
        return 0;
    return version;
}

bool KeyExists() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Tovera", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

}  // namespace program_registry

void ProgramTest::SetUp() { program_registry::SetStoredVersion(program_registry::kRunningVersion); }

void ProgramTest::TearDown() { m_program.reset(); }

ProgramDriver& ProgramTest::StartProgram(const std::string& exe) {
    m_program = std::make_unique<ProgramDriver>(exe);
    EXPECT_TRUE(m_program->Start());
    EXPECT_NE(m_program->WaitForMainWindow(), nullptr);
    return *m_program;
}

std::string CopyOfProgram(const std::string& fileName) {
    char folder[MAX_PATH] = "";
    ::GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + fileName;
    ::CopyFileA(VELMAR_EXE, path.c_str(), FALSE);
    return path;
}

void CloseWithEscape(ProgramDriver& velmar) {
    ASSERT_TRUE(velmar.ActivateForKeys(velmar.MainWindow()));
    velmar.PressKey(VK_ESCAPE);
}

void ExpectAboutBoxBeforeTheMainWindow(ProgramDriver& velmar) {
    HWND about = velmar.WaitForWindow("About Velmar");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(velmar.FindWindowByCaption("Velmar"), nullptr) << "the main window is not shown yet";
    ASSERT_TRUE(velmar.ActivateForKeys(about));
    velmar.PressKey(VK_RETURN);
    EXPECT_NE(velmar.WaitForMainWindow(), nullptr);
    EXPECT_TRUE(velmar.WaitUntil([&] { return ::GetForegroundWindow() == velmar.MainWindow(); }))
        << "the main window comes to the front as the box goes";
}
