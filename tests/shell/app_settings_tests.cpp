#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "app_settings.h"
#include "read_only_access.h"
#include "registry_change_watch.h"
#include "running_version.h"
#include "test_registry_key.h"
#include "version_info.h"

namespace {

constexpr char kSectionKey[] = "Software\\Tovera\\Velmar\\CurrentVersion";
constexpr DWORD kOlderVersion = kRunningVersion - 1;
constexpr DWORD kNewerVersion = kRunningVersion + 1;

std::string ProgramPath() {
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string WithTerminator(const std::string& text) { return text + '\0'; }

// The settings' start of a run against a registry where HKEY_LOCAL_MACHINE is a test key of its
// own, so the store's default root is used as the program uses it.
class SettingsStart : public ::testing::Test {
protected:
    TestRegistryKey m_machine{"Machine"};

    void SetUp() override {
        ASSERT_EQ(::RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_machine.Handle()), ERROR_SUCCESS);
        // The real machine key has "Software"; the test key does not.
        ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software"));
        AfxGetApp()->SetRegistryKey("Tovera");
    }
    void TearDown() override { ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr); }

    // As start-up does it: a new settings object, the key path from the application's names.
    static DWORD RunStart(DWORD version) {
        AppSettings settings;
        settings.m_dwVersion = version;
        settings.SetKeyPath(nullptr);
        settings.Initialize();
        EXPECT_EQ(settings.m_dwVersion, version);
        return settings.m_dwPrevVersion;
    }
    StoredValue Stored(const char* name) const {
        return ReadStoredValue(m_machine.Handle(), kSectionKey, name);
    }
    void Store(const char* name, DWORD type, const std::string& data) const {
        WriteRawValue(m_machine.Handle(), kSectionKey, name, type, data);
    }
    // Any write to the section from now on. (Wine drops a write that stores the same data again,
    // so there only writes that change something show.)
    RegistryChangeWatch WatchWrites() const { return {m_machine.Handle(), kSectionKey}; }
};

TEST_F(SettingsStart, FirstRunCreatesTheKeyWithThePathAndTheProgramsVersion) {
    const CVersionInfo version;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(version.QueryValue("\\"));
    ASSERT_NE(fixed, nullptr);
    ASSERT_EQ(fixed->dwProductVersionMS, kRunningVersion);

    EXPECT_EQ(RunStart(fixed->dwProductVersionMS), 0u);

    const StoredValue path = Stored("Path");
    EXPECT_EQ(path.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(path.data, WithTerminator(ProgramPath()));
    const StoredValue stored = Stored("Version");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored.AsDword(), kRunningVersion);
}

TEST_F(SettingsStart, SecondRunFromTheSamePlaceChangesNothing) {
    RunStart(kRunningVersion);
    const RegistryChangeWatch writes = WatchWrites();
    ASSERT_TRUE(writes.Watching());
    EXPECT_EQ(RunStart(kRunningVersion), kRunningVersion);
    EXPECT_FALSE(writes.Changed());
}

TEST_F(SettingsStart, MovedProgramRewritesOnlyThePathAndOtherLetterCaseIsNoMove) {
    Store("Path", REG_SZ, WithTerminator("C:\\Old Place\\velmar.exe"));
    Store("Version", REG_DWORD, DwordBytes(kRunningVersion));
    EXPECT_EQ(RunStart(kRunningVersion), kRunningVersion);
    EXPECT_EQ(Stored("Path").data, WithTerminator(ProgramPath()));
    EXPECT_EQ(Stored("Version").AsDword(), kRunningVersion);

    std::string otherCase = ProgramPath();
    std::transform(otherCase.begin(), otherCase.end(), otherCase.begin(), [](unsigned char c) {
        return static_cast<char>(std::isupper(c) ? std::tolower(c) : std::toupper(c));
    });
    ASSERT_NE(otherCase, ProgramPath());
    Store("Path", REG_SZ, WithTerminator(otherCase));
    const RegistryChangeWatch writes = WatchWrites();
    ASSERT_TRUE(writes.Watching());
    RunStart(kRunningVersion);
    EXPECT_EQ(Stored("Path").data, WithTerminator(otherCase));
    EXPECT_FALSE(writes.Changed());
}

TEST_F(SettingsStart, NewerVersionIsRecordedAndTheOldOneReported) {
    RunStart(kRunningVersion);
    EXPECT_EQ(RunStart(kNewerVersion), kRunningVersion);
    EXPECT_EQ(Stored("Version").AsDword(), kNewerVersion);
    EXPECT_EQ(RunStart(kNewerVersion), kNewerVersion);
}

TEST_F(SettingsStart, ValuesOfAnotherTypeReadAsMissingAndAreRewrittenWithTheirOwnType) {
    const struct {
        const char* what;
        DWORD type;
        std::string data;
    } versions[] = {
        {"a string", REG_SZ, WithTerminator("65543")},
        {"two bytes of binary", REG_BINARY, std::string("\x07\x00", 2)},
        {"a big-endian number", REG_DWORD_BIG_ENDIAN, std::string("\x00\x01\x00\x07", 4)},
    };
    for (const auto& version : versions) {
        Store("Version", version.type, version.data);
        EXPECT_EQ(RunStart(kRunningVersion), 0u) << version.what;
        const StoredValue stored = Stored("Version");
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD)) << version.what;
        EXPECT_EQ(stored.AsDword(), kRunningVersion) << version.what;
    }

    Store("Path", REG_EXPAND_SZ, WithTerminator(ProgramPath()));
    RunStart(kRunningVersion);
    const StoredValue path = Stored("Path");
    EXPECT_EQ(path.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(path.data, WithTerminator(ProgramPath()));
}

// HKEY_CURRENT_USER as a test key of its own, for the per-user record.
class ThisUsersKey {
public:
    ThisUsersKey() { m_overridden = ::RegOverridePredefKey(HKEY_CURRENT_USER, m_key.Handle()); }
    ~ThisUsersKey() { ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr); }
    ThisUsersKey(const ThisUsersKey&) = delete;
    ThisUsersKey& operator=(const ThisUsersKey&) = delete;

    bool Overridden() const { return m_overridden == ERROR_SUCCESS; }
    HKEY Handle() const { return m_key.Handle(); }

private:
    TestRegistryKey m_key{"ThisUser"};
    LONG m_overridden = ERROR_INVALID_HANDLE;
};

TEST(SettingsStartWithoutWriteAccess, ThisUserSeesTheNewVersionOnceAndTheMachineKeyStaysAsItWas) {
    TestRegistryKey root("ReadOnly");
    const std::string section = "Software\\Tovera\\Velmar\\CurrentVersion";
    WriteRawValue(root.Handle(), section, "Path", REG_SZ, WithTerminator("C:\\Old\\velmar.exe"));
    WriteRawValue(root.Handle(), section, "Version", REG_DWORD, DwordBytes(kOlderVersion));

    HKEY readOnlyRoot = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, root.Path().c_str(), 0, KEY_READ, &readOnlyRoot),
              ERROR_SUCCESS);
    {
        const ReadOnlyAccess sectionAccess(root.Handle(), section);
        const ThisUsersKey user;
        ASSERT_TRUE(user.Overridden());
        const auto start = [&] {
            AppSettings settings;
            settings.m_hRootKey = readOnlyRoot;
            settings.SetKeyPath("Software\\Tovera\\Velmar\\");
            settings.m_dwVersion = kRunningVersion;
            settings.Initialize();
            return settings.m_dwPrevVersion;
        };
        EXPECT_EQ(start(), kOlderVersion) << "the first start of this version shows the About box";
        const StoredValue seen = ReadStoredValue(user.Handle(), section, "Version");
        EXPECT_EQ(seen.type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(seen.AsDword(), kRunningVersion);
        EXPECT_EQ(start(), kRunningVersion) << "the next one does not";
    }
    ::RegCloseKey(readOnlyRoot);
    EXPECT_EQ(ReadStoredValue(root.Handle(), section, "Path").data,
              WithTerminator("C:\\Old\\velmar.exe"));
    EXPECT_EQ(ReadStoredValue(root.Handle(), section, "Version").AsDword(), kOlderVersion);
}

// A user who can write the machine's record keeps no record of their own.
TEST_F(SettingsStart, WritableMachineKeyLeavesThisUsersKeyAlone) {
    const ThisUsersKey user;
    ASSERT_TRUE(user.Overridden());
    RunStart(kRunningVersion);
    EXPECT_FALSE(KeyExists(user.Handle(), "Software"));
}

// A program path longer than MAX_PATH. The test program copies itself into a folder deep enough
// and runs the copy, which runs the test below.
constexpr char kChildKeyVariable[] = "VELMAR_SHELL_TESTS_CHILD_KEY";

TEST(LongProgramPath, ChildRun) {
    char keyPath[MAX_PATH] = "";
    if (!::GetEnvironmentVariableA(kChildKeyVariable, keyPath, sizeof keyPath))
        GTEST_SKIP() << "runs only in the copy that LongProgramPath starts";
    HKEY root = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_ALL_ACCESS, &root), ERROR_SUCCESS);
    AppSettings settings;
    settings.m_hRootKey = root;
    settings.SetKeyPath("Settings\\");
    settings.m_dwVersion = kRunningVersion;
    settings.Initialize();
    ::RegCloseKey(root);

    EXPECT_NO_THROW(CVersionInfo()) << "the version is read from the program's own resource";
}

class CopyOfThisProgram {
public:
    // A copy whose full path is `length` characters long, made through the "\\?\" form, which
    // file functions take at any length.
    explicit CopyOfThisProgram(size_t length) {
        char temp[MAX_PATH] = "";
        ::GetTempPathA(sizeof temp, temp);
        m_folders.push_back(std::string(temp) + "velmar_long_path");
        ::CreateDirectoryW(Long(m_folders.back()), nullptr);
        while (m_folders.back().size() + 20 < length - 20) {
            m_folders.push_back(m_folders.back() + "\\" + std::string(19, 'f'));
            ::CreateDirectoryW(Long(m_folders.back()), nullptr);
        }
        const std::string& folder = m_folders.back();
        m_path = folder + "\\" + std::string(length - folder.size() - 5, 'x') + ".exe";
        ::CopyFileW(Long(ProgramPath()), Long(m_path), FALSE);
    }
    ~CopyOfThisProgram() {
        ::DeleteFileW(Long(m_path));
        for (auto folder = m_folders.rbegin(); folder != m_folders.rend(); ++folder)
            ::RemoveDirectoryW(Long(*folder));
    }
    CopyOfThisProgram(const CopyOfThisProgram&) = delete;
    CopyOfThisProgram& operator=(const CopyOfThisProgram&) = delete;

    const std::string& Path() const { return m_path; }

    // Runs the child test with the settings key given; its exit code, or -1.
    int RunChildTest(const std::string& keyPath) const {
        ::SetEnvironmentVariableA(kChildKeyVariable, keyPath.c_str());
        std::wstring commandLine = L"child --gtest_filter=LongProgramPath.ChildRun --gtest_brief=1";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        const BOOL started =
            ::CreateProcessW(AfxWidenText(m_path.c_str()), commandLine.data(), nullptr, nullptr,
                             FALSE, 0, nullptr, nullptr, &startup, &process);
        ::SetEnvironmentVariableA(kChildKeyVariable, nullptr);
        if (!started) return -1;
        DWORD exitCode = static_cast<DWORD>(-1);
        if (::WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0)
            ::GetExitCodeProcess(process.hProcess, &exitCode);
        else
            ::TerminateProcess(process.hProcess, static_cast<UINT>(-1));
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        return static_cast<int>(exitCode);
    }

private:
    static CStringW Long(const std::string& path) {
        return AfxWidenText(("\\\\?\\" + path).c_str());
    }

    std::vector<std::string> m_folders;
    std::string m_path;
};

TEST(LongProgramPath, APathTheOldBufferCutIsStoredWholeAndTheVersionStillRead) {
    // 259 is the first length the old 259-character buffer cut; Wine starts no longer path.
    for (const size_t length : {258u, 259u}) {
        TestRegistryKey root("LongPath" + std::to_string(length));
        const CopyOfThisProgram copy(length);
        ASSERT_EQ(copy.Path().size(), length);
        ASSERT_EQ(copy.RunChildTest(root.Path()), 0) << length;
        EXPECT_EQ(ReadStoredValue(root.Handle(), "Settings\\CurrentVersion", "Path").data,
                  WithTerminator(copy.Path()))
            << length;
        EXPECT_EQ(ReadStoredValue(root.Handle(), "Settings\\CurrentVersion", "Version").AsDword(),
                  kRunningVersion);
    }
}

}  // namespace
