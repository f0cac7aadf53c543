#pragma once

#include <windows.h>

#include <utility>

// An open registry key that closes itself. Copying would close twice, so it moves instead.
class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(HKEY hKey) : m_hKey(hKey) {}
    RegistryKey(RegistryKey&& other) noexcept : m_hKey(std::exchange(other.m_hKey, nullptr)) {}
    RegistryKey& operator=(RegistryKey&& other) noexcept {
        std::swap(m_hKey, other.m_hKey);
        return *this;
    }
    ~RegistryKey() {
        if (m_hKey) ::RegCloseKey(m_hKey);
    }

    HKEY Get() const { return m_hKey; }
    explicit operator bool() const { return m_hKey != nullptr; }

private:
    HKEY m_hKey = nullptr;
};
