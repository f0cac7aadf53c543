#include <gtest/gtest.h>

#include <string>

#include "cstring.h"
#include "program_fixture.h"
#include "test_folder.h"

namespace {

const std::string kVersionLine = "Version=" + std::to_string(program_registry::kRunningVersion);

// What velmar.ini holds after a start of the program at this path.
std::string WrittenFor(const std::wstring& program) {
    return "[CurrentVersion]\r\nPath=" + Utf8(program) + "\r\n" + kVersionLine + "\r\n";
}

bool KeyInEitherHive() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Tovera", 0, KEY_READ, &key) ==
        ERROR_SUCCESS) {
        ::RegCloseKey(key);
        return true;
    }
    return program_registry::KeyExists();
}

// A copy of velmar.exe in a folder of its own (in a script the code page may lack), with a
// velmar.ini beside it unless the test makes its own. Neither hive holds the program's key.
class PortableMode : public ProgramTest {
protected:
    TestFolder m_folder{L"velmar portable \u5de5\u5177"};
    std::wstring m_program = m_folder.Path(L"velmar.exe");
    std::wstring m_file = m_folder.Path(L"velmar.ini");

    void SetUp() override {
        ProgramTest::SetUp();
        program_registry::DeleteAll();
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tovera");
        ASSERT_TRUE(::CopyFileW(AfxWidenText(VELMAR_EXE), m_program.c_str(), FALSE));
        ASSERT_TRUE(WriteFileBytes(m_file, "")) << "an empty file is a valid one";
    }
    // A run that the test expects to open the About box first, or not; it ends with Escape.
    void Run(const std::wstring& program, bool aboutBox) {
        ProgramDriver velmar(program);
        ASSERT_TRUE(velmar.Start());
        if (aboutBox) {
            ExpectAboutBoxBeforeTheMainWindow(velmar);
        } else {
            ASSERT_NE(velmar.WaitForMainWindow(), nullptr);
            EXPECT_EQ(velmar.FindWindowByCaption("About Velmar"), nullptr);
            EXPECT_EQ(velmar.OpenMessageBox(), nullptr);
        }
        CloseWithEscape(velmar);
        EXPECT_EQ(velmar.WaitForExit(), 0);
    }
};

TEST_F(PortableMode, TheFileBesideTheProgramKeepsItAllTheRegistryNothingAboutOncePerVersion) {
    Run(m_program, true);
    EXPECT_FALSE(KeyInEitherHive());
    EXPECT_EQ(ReadFileBytes(m_file), WrittenFor(m_program));

    const FileIdentity first = IdentityOf(m_file);
    Run(m_program, false);
    const FileIdentity second = IdentityOf(m_file);
    EXPECT_EQ(::CompareFileTime(&second.written, &first.written), 0) << "nothing new to write";

    ASSERT_TRUE(WriteFileBytes(m_file, "[CurrentVersion]\r\nVersion=65536\r\n"));
    Run(m_program, true);
    EXPECT_EQ(ReadFileBytes(m_file), WrittenFor(m_program)) << "a new version since 1.0";
    EXPECT_FALSE(KeyInEitherHive());
}

// As winget starts a portable program: through a link in a folder of links on the PATH.
TEST_F(PortableMode, StartedThroughASymbolicLinkInAnotherFolderItUsesTheFileBesideItsOwn) {
    const TestFolder links(L"velmar portable links");
    const std::wstring link = links.Path(L"velmar.exe");
    const SymbolicLink made(link, m_program);
    ASSERT_TRUE(made.Made());

    Run(link, true);
    EXPECT_EQ(ReadFileBytes(m_file), WrittenFor(m_program)) << "the real path, not the link's";
    EXPECT_EQ(::GetFileAttributesW(links.Path(L"velmar.ini").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(KeyInEitherHive());
}

// As a package manager may keep the settings: one file with a name in its own folder too.
TEST_F(PortableMode, AHardLinkedFileIsStillOneFileAfterARun) {
    const TestFolder kept(L"velmar portable kept");
    const std::wstring keptFile = kept.Path(L"velmar.ini");
    ASSERT_TRUE(::DeleteFileW(m_file.c_str()));
    ASSERT_TRUE(WriteFileBytes(keptFile, ""));
    ASSERT_TRUE(::CreateHardLinkW(m_file.c_str(), keptFile.c_str(), nullptr));

    Run(m_program, true);
    const FileIdentity beside = IdentityOf(m_file), other = IdentityOf(keptFile);
    EXPECT_EQ(beside.index, other.index);
    EXPECT_EQ(beside.volume, other.volume);
    EXPECT_EQ(beside.links, 2u);
    EXPECT_EQ(ReadFileBytes(keptFile), WrittenFor(m_program));
}

// An old version in the file, which a writable file would have replaced after an About box.
TEST_F(PortableMode, AFileThatCannotBeWrittenRunsCleanAndStaysAsItWas) {
    const std::string old = "[CurrentVersion]\r\nVersion=65536\r\n";
    for (const bool readOnlyFolder : {true, false}) {
        ASSERT_TRUE(WriteFileBytes(m_file, old));
        HANDLE holder = INVALID_HANDLE_VALUE;
        if (readOnlyFolder) {
            ::SetFileAttributesW(m_file.c_str(), FILE_ATTRIBUTE_READONLY);
            ::SetFileAttributesW(m_folder.Path().c_str(), FILE_ATTRIBUTE_READONLY);
        } else {
            // Another program holds it, as a sync client may.
            holder = ::CreateFileW(m_file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        }
        Run(m_program, false);
        if (holder != INVALID_HANDLE_VALUE) ::CloseHandle(holder);
        ::SetFileAttributesW(m_folder.Path().c_str(), FILE_ATTRIBUTE_NORMAL);
        ::SetFileAttributesW(m_file.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(ReadFileBytes(m_file), old) << (readOnlyFolder ? "read-only" : "held");
        EXPECT_FALSE(KeyInEitherHive()) << (readOnlyFolder ? "read-only" : "held");
    }
}

}  // namespace
