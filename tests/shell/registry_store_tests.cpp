#include <gtest/gtest.h>

#include <string>

#include "registry_store.h"
#include "test_registry_key.h"

namespace {

std::string Bytes(const char* data, size_t size) { return std::string(data, size); }

TEST(RegistryStore, KeyPathIsTakenAsGivenOrBuiltFromTheApplicationsNames) {
    CWinApp* app = AfxGetApp();
    app->SetRegistryKey("Tovera");

    EXPECT_STREQ(RegistryStore(nullptr, "Any\\Path").m_strKeyPath, "Any\\Path")
        << "a given path gets no backslash added";
    EXPECT_STREQ(RegistryStore().m_strKeyPath, "Software\\Tovera\\Velmar\\");
    EXPECT_STREQ(RegistryStore(nullptr, "").m_strKeyPath, "Software\\Tovera\\Velmar\\");
    EXPECT_EQ(RegistryStore().m_hRootKey, HKEY_LOCAL_MACHINE);

    RegistryStore store(HKEY_CURRENT_USER, "Given\\");
    EXPECT_EQ(store.m_hRootKey, HKEY_CURRENT_USER);
    store.SetKeyPath(nullptr);
    EXPECT_STREQ(store.m_strKeyPath, "Software\\Tovera\\Velmar\\");

    const LPCSTR registryKey = app->m_pszRegistryKey;
    app->m_pszRegistryKey = nullptr;
    store.SetKeyPath(nullptr);
    EXPECT_STREQ(store.m_strKeyPath, "") << "without the application's names the path is empty";
    app->m_pszRegistryKey = registryKey;
}

TEST(RegistryStore, NumbersReadBackOnlyFromFourByteRegDwordValues) {
    TestRegistryKey root("Numbers");
    const RegistryStore store(root.Handle(), "Store\\");
    for (int value : {0, 7, -1, 0x7FFFFFFF, 0x00010007}) {
        EXPECT_TRUE(store.SetDwordValue("Section", "Number", value));
        EXPECT_EQ(store.GetDwordValue("Section", "Number", 99), value);
    }
    const StoredValue stored = ReadStoredValue(root.Handle(), "Store\\Section", "Number");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored.data.size(), 4u);

    const struct {
        const char* what;
        DWORD type;
        std::string data;
    } others[] = {
        {"a string", REG_SZ, Bytes("7\0", 2)},
        {"two bytes of binary", REG_BINARY, Bytes("\x07\x00", 2)},
        {"four bytes of binary", REG_BINARY, DwordBytes(7)},
        {"a big-endian number", REG_DWORD_BIG_ENDIAN, Bytes("\x00\x00\x00\x07", 4)},
        {"a REG_DWORD of two bytes", REG_DWORD, Bytes("\x07\x00", 2)},
        {"a REG_DWORD of eight bytes", REG_DWORD, Bytes("\x07\0\0\0\0\0\0\0", 8)},
        {"a 64-bit number", REG_QWORD, Bytes("\x07\0\0\0\0\0\0\0", 8)},
    };
    for (const auto& other : others) {
        WriteRawValue(root.Handle(), "Store\\Section", "Other", other.type, other.data);
        EXPECT_EQ(store.GetDwordValue("Section", "Other", 99), 99) << other.what;
    }
    EXPECT_EQ(store.GetDwordValue("Section", "Missing", 99), 99);
}

TEST(RegistryStore, StringsReadBackOnlyFromRegSzValuesUpToTheirFirstZero) {
    TestRegistryKey root("Strings");
    const RegistryStore store(root.Handle(), "Store\\");
    EXPECT_TRUE(store.SetStringValue("Section", "Text", "C:\\Program Files\\Velmar\\velmar.exe"));
    EXPECT_STREQ(store.GetStringValue("Section", "Text", "default"),
                 "C:\\Program Files\\Velmar\\velmar.exe");
    const StoredValue stored = ReadStoredValue(root.Handle(), "Store\\Section", "Text");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.data, std::string("C:\\Program Files\\Velmar\\velmar.exe") + '\0')
        << "the terminating zero is stored";

    EXPECT_TRUE(store.SetStringValue("Section", "Empty", ""));
    EXPECT_EQ(ReadStoredValue(root.Handle(), "Store\\Section", "Empty").data, Bytes("\0", 1));
    EXPECT_STREQ(store.GetStringValue("Section", "Empty", "default"), "")
        << "an empty text is a value, not a missing one";

    WriteRawValue(root.Handle(), "Store\\Section", "Unterminated", REG_SZ, "abc");
    EXPECT_STREQ(store.GetStringValue("Section", "Unterminated", "default"), "abc");
    WriteRawValue(root.Handle(), "Store\\Section", "ZeroInside", REG_SZ, Bytes("ab\0cd", 5));
    EXPECT_STREQ(store.GetStringValue("Section", "ZeroInside", "default"), "ab");

    WriteRawValue(root.Handle(), "Store\\Section", "Expand", REG_EXPAND_SZ, Bytes("%TEMP%\0", 7));
    EXPECT_STREQ(store.GetStringValue("Section", "Expand", "default"), "default");
    WriteRawValue(root.Handle(), "Store\\Section", "Binary", REG_BINARY, Bytes("abc\0", 4));
    EXPECT_STREQ(store.GetStringValue("Section", "Binary", "default"), "default");
    WriteRawValue(root.Handle(), "Store\\Section", "Number", REG_DWORD, DwordBytes(7));
    EXPECT_STREQ(store.GetStringValue("Section", "Number", "default"), "default");
    EXPECT_STREQ(store.GetStringValue("Section", "Missing", nullptr), "");
}

TEST(RegistryStore, ReadsCreateNoKeysAndWritesCreateTheWholePath) {
    TestRegistryKey root("Paths");
    const RegistryStore store(root.Handle(), "Software\\Maker\\Tool\\");
    EXPECT_EQ(store.GetDwordValue("Section", "Number", 5), 5);
    EXPECT_STREQ(store.GetStringValue("Section", "Text", "five"), "five");
    EXPECT_FALSE(KeyExists(root.Handle(), "Software"));

    EXPECT_TRUE(store.SetDwordValue("Section", "Number", 6));
    EXPECT_EQ(ReadStoredValue(root.Handle(), "Software\\Maker\\Tool\\Section", "Number").AsDword(),
              6u);
    EXPECT_TRUE(store.SetStringValue("Other", "Text", "six"));
    EXPECT_EQ(ReadStoredValue(root.Handle(), "Software\\Maker\\Tool\\Other", "Text").data,
              Bytes("six\0", 4));

    RegistryStore directlyBelowRoot(root.Handle());
    directlyBelowRoot.m_strKeyPath.Empty();
    EXPECT_TRUE(directlyBelowRoot.SetDwordValue("CurrentVersion", "Version", 0x00010007));
    EXPECT_EQ(ReadStoredValue(root.Handle(), "CurrentVersion", "Version").AsDword(), 0x00010007u);
    EXPECT_EQ(directlyBelowRoot.GetDwordValue("CurrentVersion", "Version", 0), 0x00010007);
}

TEST(RegistryStore, KeyNamesThatDoNotFitTheBufferOrHaveNoSectionFailWithoutTouchingTheRegistry) {
    TestRegistryKey root("LongNames");
    // Components of ten characters: 25 of them and a five-character section make 255.
    std::string path;
    for (int i = 0; i < 25; ++i) path += "component\\";
    const RegistryStore store(root.Handle(), path.c_str());

    EXPECT_TRUE(store.SetDwordValue("fits_", "Number", 1)) << "255 characters fit";
    EXPECT_EQ(store.GetDwordValue("fits_", "Number", 0), 1);
    EXPECT_TRUE(store.SetStringValue("fits_", "Text", "yes"));

    const std::string tooLong(300, 's');
    for (const char* section : {"toolong", tooLong.c_str()}) {
        EXPECT_FALSE(store.SetDwordValue(section, "Number", 1)) << section;
        EXPECT_FALSE(store.SetStringValue(section, "Text", "no")) << section;
        EXPECT_EQ(store.GetDwordValue(section, "Number", 42), 42) << section;
        EXPECT_STREQ(store.GetStringValue(section, "Text", "default"), "default") << section;
        EXPECT_FALSE(KeyExists(root.Handle(), path + section)) << section;
    }

    EXPECT_FALSE(store.SetDwordValue(nullptr, "Number", 1));
    EXPECT_FALSE(store.SetStringValue(nullptr, "Text", "no"));
    EXPECT_EQ(store.GetDwordValue(nullptr, "Number", 42), 42);
    EXPECT_STREQ(store.GetStringValue(nullptr, "Text", "default"), "default");
    EXPECT_FALSE(store.SetStringValue("fits_", "Null", nullptr));
}

}  // namespace
