#include "test_registry_key.h"

#include <gtest/gtest.h>

namespace {

constexpr char kTestsRoot[] = "Software\\VelmarShellTests";

}  // namespace

TestRegistryKey::TestRegistryKey(const std::string& name)
    : m_path(std::string(kTestsRoot) + "\\" + name) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
    ::RegCreateKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &m_hKey, nullptr);
}

TestRegistryKey::~TestRegistryKey() {
    if (m_hKey) ::RegCloseKey(m_hKey);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kTestsRoot);  // only goes when empty
}

DWORD StoredValue::AsDword() const {
    DWORD value = 0;
    if (data.size() == sizeof value) memcpy(&value, data.data(), sizeof value);
    return value;
}

StoredValue ReadStoredValue(HKEY root, const std::string& key, const char* name) {
    StoredValue value;
    HKEY handle = nullptr;
    if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (::RegQueryValueExA(handle, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.data.resize(size);
        if (::RegQueryValueExA(handle, name, nullptr, &value.type,
                               reinterpret_cast<BYTE*>(value.data.data()),
                               &size) == ERROR_SUCCESS) {
            value.exists = true;
            value.data.resize(size);
        }
    }
    ::RegCloseKey(handle);
    return value;
}

bool KeyExists(HKEY root, const std::string& key) {
    HKEY handle = nullptr;
    if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    ::RegCloseKey(handle);
    return true;
}

void WriteRawValue(HKEY root, const std::string& key, const char* name, DWORD type,
                   const std::string& data) {
    HKEY handle = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_ALL_ACCESS, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(::RegSetValueExA(handle, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                               static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
    ::RegCloseKey(handle);
}

std::string DwordBytes(DWORD value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}
