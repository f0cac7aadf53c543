#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "program_driver.h"
#include "velmar_version.h"

// The program's record in the registry of the tests' own Wine prefix.
namespace program_registry {
constexpr const char* kKey = "Software\\Tovera\\Velmar\\CurrentVersion";
constexpr DWORD kRunningVersion = VELMAR_VERSION_NUMBER;
void DeleteAll();
void SetStoredVersion(DWORD version);
// 0 when missing.
DWORD StoredVersion();
bool KeyExists();
}  // namespace program_registry

// Each test starts velmar.exe afresh; the stored version is set so that no About box opens
// unless the test asks for one.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Starts the program and waits for its main window.
    ProgramDriver& StartProgram(const std::string& exe = VELMAR_EXE);
    std::unique_ptr<ProgramDriver> m_program;
};

// Copies velmar.exe to a fresh file of this name in the temporary folder and returns its path.
std::string CopyOfProgram(const std::string& fileName);

// Escape on the main window, which ends the program.
void CloseWithEscape(ProgramDriver& velmar);
// The About box of a first run of a version opens before the main window is shown; Enter
// closes it and the main window comes to the front.
void ExpectAboutBoxBeforeTheMainWindow(ProgramDriver& velmar);
