#pragma once

#include <windows.h>

#include <string>

// A key of the tests' own below HKEY_CURRENT_USER\Software\VelmarShellTests, created empty and
// deleted with everything below it when the object goes.
class TestRegistryKey {
public:
    explicit TestRegistryKey(const std::string& name);
    ~TestRegistryKey();
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;

    // Full access.
    HKEY Handle() const { return m_hKey; }
    // The key's path below HKEY_CURRENT_USER.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    HKEY m_hKey = nullptr;
};

// A value as the registry holds it.
struct StoredValue {
    bool exists = false;
    DWORD type = REG_NONE;
    std::string data;  // the raw bytes

    DWORD AsDword() const;
};

StoredValue ReadStoredValue(HKEY root, const std::string& key, const char* name);
bool KeyExists(HKEY root, const std::string& key);
// Creates the key when needed and stores the bytes as they are.
void WriteRawValue(HKEY root, const std::string& key, const char* name, DWORD type,
                   const std::string& data);
std::string DwordBytes(DWORD value);
