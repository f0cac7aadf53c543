#include <gtest/gtest.h>

#include <string>

#include "app_settings.h"
#include "running_version.h"
#include "settings_file.h"
#include "test_folder.h"
#include "test_registry_key.h"

namespace {

SettingsFileValues Read(const std::string& text) {
    return ReadSettingsText(text.data(), text.size());
}

TEST(SettingsText, ReadsTheTwoValuesOfItsSectionAndNothingOfAnyOtherForm) {
    const struct {
        const char* what;
        std::string text;
        const wchar_t* path;
        DWORD version;
    } cases[] = {
        {"an empty file", "", L"", 0},
        {"as written", "[CurrentVersion]\r\nPath=C:\\Tools\\velmar.exe\r\nVersion=65543\r\n",
         L"C:\\Tools\\velmar.exe", 65543},
        {"Notepad's byte order mark, LF, blanks, other letter case",
         "\xEF\xBB\xBF [currentversion] \n\tpath = C:\\A b\\v.exe \nVERSION= 7", L"C:\\A b\\v.exe",
         7},
        {"UTF-8", "[CurrentVersion]\nPath=C:\\\xC5\x81ucja\\\xE5\xB7\xA5\\velmar.exe",
         L"C:\\\u0141ucja\\\u5de5\\velmar.exe", 0},
        {"the first of each counts",
         "[CurrentVersion]\nVersion=1\nPath=C:\\a\nVersion=2\nPath=C:\\b", L"C:\\a", 1},
        {"values of another section or of none",
         "Path=C:\\none\nVersion=3\n[Other]\nPath=C:\\other\nVersion=4\n[CurrentVersion\nVersion=5",
         L"", 0},
        {"the section again after another", "[Other]\n[CurrentVersion]\nVersion=9", L"", 9},
        {"largest version", "[CurrentVersion]\nVersion=4294967295", L"", 0xFFFFFFFF},
        {"a version past 32 bits", "[CurrentVersion]\nVersion=4294967296", L"", 0},
        {"a version with a sign", "[CurrentVersion]\nVersion=-1", L"", 0},
        {"a version with letters", "[CurrentVersion]\nVersion=0x10007", L"", 0},
        {"eleven digits", "[CurrentVersion]\nVersion=00000065543", L"", 0},
        {"a path that is no UTF-8", "[CurrentVersion]\nPath=C:\\\xC5(\nVersion=1", L"", 1},
        {"a path with a zero byte",
         std::string("[CurrentVersion]\nPath=C:\\a") + '\0' + "b\nVersion=1", L"", 1},
        {"a comment", "[CurrentVersion]\n;Path=C:\\commented\n#Version=3", L"", 0},
    };
    for (const auto& test : cases) {
        const SettingsFileValues values = Read(test.text);
        EXPECT_STREQ(values.path, test.path) << test.what;
        EXPECT_EQ(values.version, test.version) << test.what;
    }
}

TEST(SettingsText, WhatIsWrittenReadsBackTheSame) {
    EXPECT_STREQ(WriteSettingsText({L"C:\\\u0141ucja\\velmar.exe", 65543}),
                 "[CurrentVersion]\r\nPath=C:\\\xC5\x81ucja\\velmar.exe\r\nVersion=65543\r\n");
    for (const wchar_t* path :
         {L"", L"C:\\Tools\\velmar.exe", L"\\\\server\\\u5de5\u5177\\v.exe"}) {
        for (const DWORD version : {DWORD{0}, DWORD{1}, kRunningVersion, DWORD{0xFFFFFFFF}}) {
            const CString text = WriteSettingsText({path, version});
            const SettingsFileValues values = ReadSettingsText(text, text.GetLength());
            EXPECT_STREQ(values.path, path);
            EXPECT_EQ(values.version, version);
        }
    }
}

TEST(SettingsFile, OnlyAFileCountsAndOneThatCannotBeReadHasNoValues) {
    const TestFolder folder(L"velmar_settings_file");
    SettingsFile file;
    EXPECT_FALSE(file.Open(folder.Path(L"velmar.ini").c_str())) << "none there";
    ::CreateDirectoryW(folder.Path(L"velmar.ini").c_str(), nullptr);
    EXPECT_FALSE(file.Open(folder.Path(L"velmar.ini").c_str())) << "a folder";

    const std::wstring held = folder.Path(L"held.ini");
    ASSERT_TRUE(WriteFileBytes(held, "[CurrentVersion]\nVersion=5"));
    const HANDLE holder = ::CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(file.Open(held.c_str())) << "there, though another program holds it";
    EXPECT_EQ(file.m_values.version, 0u);
    ::CloseHandle(holder);

    // What stands past the first 128 KiB is not read.
    const std::wstring large = folder.Path(L"large.ini");
    ASSERT_TRUE(WriteFileBytes(
        large, "[CurrentVersion]\n" + std::string(128 * 1024, ' ') + "\nVersion=5\n"));
    EXPECT_TRUE(file.Open(large.c_str()));
    EXPECT_EQ(file.m_values.version, 0u);
}

TEST(SettingsFile, SaveRewritesTheSameFileSoAHardLinkStaysOne) {
    const TestFolder folder(L"velmar_settings_save");
    const std::wstring path = folder.Path(L"velmar.ini"), other = folder.Path(L"synced.ini");
    ASSERT_TRUE(WriteFileBytes(other, "[CurrentVersion]\nVersion=1\n" + std::string(500, ';')));
    ASSERT_TRUE(::CreateHardLinkW(path.c_str(), other.c_str(), nullptr));
    SettingsFile file;
    ASSERT_TRUE(file.Open(path.c_str()));
    file.m_values = {L"C:\\\u5de5\u5177\\velmar.exe", kRunningVersion};
    ASSERT_TRUE(file.Save());

    const std::string written(WriteSettingsText(file.m_values));
    EXPECT_EQ(ReadFileBytes(path), written) << "the longer text before is gone";
    EXPECT_EQ(ReadFileBytes(other), written);
    EXPECT_EQ(IdentityOf(path).index, IdentityOf(other).index);
    EXPECT_EQ(IdentityOf(path).links, 2u);
}

TEST(SettingsFile, AFileThatCannotBeWrittenIsLeftAsItWasAndNoneIsMade) {
    const TestFolder folder(L"velmar_settings_unwritable");
    const std::wstring path = folder.Path(L"velmar.ini");
    const std::string before = "[CurrentVersion]\nVersion=1\n";
    const struct {
        const char* what;
        DWORD attributes;
        DWORD holderShare;  // ~0: no holder
    } cases[] = {
        {"marked read-only", FILE_ATTRIBUTE_READONLY, ~0u},
        {"held by another program", FILE_ATTRIBUTE_NORMAL, FILE_SHARE_READ},
    };
    for (const auto& test : cases) {
        ASSERT_TRUE(WriteFileBytes(path, before));
        SettingsFile file;
        ASSERT_TRUE(file.Open(path.c_str()));
        ::SetFileAttributesW(path.c_str(), test.attributes);
        const HANDLE holder =
            test.holderShare == ~0u
                ? INVALID_HANDLE_VALUE
                : ::CreateFileW(path.c_str(), GENERIC_READ, test.holderShare, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        file.m_values.version = kRunningVersion;
        EXPECT_FALSE(file.Save()) << test.what;
        if (holder != INVALID_HANDLE_VALUE) ::CloseHandle(holder);
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(ReadFileBytes(path), before) << test.what;
    }

    SettingsFile file;
    ASSERT_TRUE(file.Open(path.c_str()));
    ::DeleteFileW(path.c_str());
    EXPECT_FALSE(file.Save()) << "deleted meanwhile";
    EXPECT_EQ(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << "and not made anew";
}

// The settings' start with a velmar.ini, both registry hives replaced by empty test keys.
class SettingsStartWithAFile : public ::testing::Test {
protected:
    TestRegistryKey m_machine{"PortableMachine"}, m_user{"PortableUser"};
    TestFolder m_folder{L"velmar_settings_start"};

    void SetUp() override {
        ASSERT_EQ(::RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_machine.Handle()), ERROR_SUCCESS);
        ASSERT_EQ(::RegOverridePredefKey(HKEY_CURRENT_USER, m_user.Handle()), ERROR_SUCCESS);
        AfxGetApp()->SetRegistryKey("Tovera");
        ASSERT_TRUE(WriteFileBytes(File(), ""));
    }
    void TearDown() override {
        ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        EXPECT_FALSE(KeyExists(m_machine.Handle(), "Software"))
            << "the machine's hive is untouched";
        EXPECT_FALSE(KeyExists(m_user.Handle(), "Software")) << "this user's hive is untouched";
    }
    std::wstring File() const { return m_folder.Path(L"velmar.ini"); }
    DWORD RunStart(DWORD version) const {
        AppSettings settings;
        settings.m_dwVersion = version;
        settings.SetKeyPath(nullptr);
        settings.m_strSettingsFile = File().c_str();
        settings.Initialize();
        return settings.m_dwPrevVersion;
    }
};

TEST_F(SettingsStartWithAFile, TheFileKeepsThePathAndVersionAndASecondStartWritesNothing) {
    EXPECT_EQ(RunStart(kRunningVersion), 0u) << "an empty file: the first start of this version";
    const SettingsFileValues values = Read(ReadFileBytes(File()));
    wchar_t program[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    EXPECT_STREQ(values.path, program);
    EXPECT_EQ(values.version, kRunningVersion);

    const FileIdentity first = IdentityOf(File());
    EXPECT_EQ(RunStart(kRunningVersion), kRunningVersion);
    const FileIdentity second = IdentityOf(File());
    EXPECT_EQ(::CompareFileTime(&second.written, &first.written), 0) << "not written";
    EXPECT_EQ(RunStart(kRunningVersion + 1), kRunningVersion) << "a newer version";
    EXPECT_EQ(Read(ReadFileBytes(File())).version, kRunningVersion + 1);
}

TEST_F(SettingsStartWithAFile, SettingsThatCannotBeKeptLastThisStartAndOpenNoAboutBox) {
    ASSERT_TRUE(WriteFileBytes(File(), "[CurrentVersion]\r\nVersion=1\r\n"));
    ::SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(RunStart(kRunningVersion), kRunningVersion) << "as if this version had been seen";
    ::SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFileBytes(File()), "[CurrentVersion]\r\nVersion=1\r\n");
}

}  // namespace
