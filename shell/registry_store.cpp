#include "registry_store.h"

#include <new>
#include <vector>

namespace {

// Key path and section together, with the terminating zero.
constexpr int kMaxKeyNameSize = 256;

LONG QueryValue(HKEY key, LPCSTR name, DWORD* type, char* data, DWORD* size) {
    return ::RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE*>(data), size);
}

LONG QueryValue(HKEY key, LPCWSTR name, DWORD* type, wchar_t* data, DWORD* size) {
    return ::RegQueryValueExW(key, name, nullptr, type, reinterpret_cast<BYTE*>(data), size);
}

// A REG_SZ value into `text`; false for any other type or a failed read. The value can change
// between the two queries; the second one then fails rather than overrun.
template <typename Char>
bool QueryStringValue(HKEY key, const Char* name, std::vector<Char>& text) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (QueryValue(key, name, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
        return false;
    // One character more than stored and all zero: the stored text need not end in a zero.
    text.assign(size / sizeof(Char) + 1, Char(0));
    return QueryValue(key, name, &type, text.data(), &size) == ERROR_SUCCESS && type == REG_SZ;
}

}  // namespace

RegistryStore::RegistryStore(HKEY hRootKey, LPCSTR lpszKeyPath)
    : m_hRootKey(hRootKey ? hRootKey : HKEY_LOCAL_MACHINE) {
    SetKeyPath(lpszKeyPath);
}

void RegistryStore::SetKeyPath(LPCSTR lpszKeyPath) {
    if (lpszKeyPath && *lpszKeyPath) {
        m_strKeyPath = lpszKeyPath;
        return;
    }
    const CWinApp* app = AfxGetApp();
    if (app && app->m_pszRegistryKey && app->m_pszProfileName)
        m_strKeyPath =
            AfxJoinText({"Software\\", app->m_pszRegistryKey, "\\", app->m_pszProfileName, "\\"});
    else
        m_strKeyPath.Empty();
}

bool RegistryStore::GetSectionKeyName(LPCSTR lpszSection, CString& name) const {
    if (!lpszSection) return false;
    name = AfxJoinText({m_strKeyPath, lpszSection});
    return name.GetLength() < kMaxKeyNameSize;
}

RegistryKey RegistryStore::OpenSectionForReading(LPCSTR lpszSection) const {
    CString name;
    HKEY key = nullptr;
    if (!GetSectionKeyName(lpszSection, name) ||
        ::RegOpenKeyExA(m_hRootKey, name, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}

RegistryKey RegistryStore::CreateSection(LPCSTR lpszSection) const {
    CString name;
    HKEY key = nullptr;
    if (!GetSectionKeyName(lpszSection, name) ||
        ::RegCreateKeyExA(m_hRootKey, name, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}

int RegistryStore::GetDwordValue(LPCSTR lpszSection, LPCSTR lpszName, int nDefault) const {
    const RegistryKey key = OpenSectionForReading(lpszSection);
    if (!key) return nDefault;
    DWORD value = 0;
    DWORD type = REG_NONE;
    DWORD size = sizeof value;
    const LONG result = ::RegQueryValueExA(key.Get(), lpszName, nullptr, &type,
                                           reinterpret_cast<BYTE*>(&value), &size);
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return nDefault;
    return static_cast<int>(value);
}

BOOL RegistryStore::SetDwordValue(LPCSTR lpszSection, LPCSTR lpszName, int nValue) const {
    const RegistryKey key = CreateSection(lpszSection);
    if (!key) return FALSE;
    const DWORD value = static_cast<DWORD>(nValue);
    return ::RegSetValueExA(key.Get(), lpszName, 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
}

CString RegistryStore::GetStringValue(LPCSTR lpszSection, LPCSTR lpszName,
                                      LPCSTR lpszDefault) const {
    try {
        const RegistryKey key = OpenSectionForReading(lpszSection);
        if (!key) return lpszDefault;
        std::vector<char> text;
        return QueryStringValue(key.Get(), lpszName, text) ? CString(text.data())
                                                           : CString(lpszDefault);
    } catch (const std::bad_alloc&) {
        return CString();
    }
}

CStringW RegistryStore::GetStringValueW(LPCSTR lpszSection, LPCSTR lpszName,
                                        LPCWSTR lpszDefault) const {
    try {
        const RegistryKey key = OpenSectionForReading(lpszSection);
        if (!key || !lpszName) return lpszDefault;
        std::vector<wchar_t> text;
        return QueryStringValue<wchar_t>(key.Get(), AfxWidenText(lpszName), text)
                   ? CStringW(text.data())
                   : CStringW(lpszDefault);
    } catch (const std::bad_alloc&) {
        return CStringW();
    }
}

BOOL RegistryStore::SetStringValue(LPCSTR lpszSection, LPCSTR lpszName, LPCSTR lpszValue) const {
    if (!lpszValue) return FALSE;
    const RegistryKey key = CreateSection(lpszSection);
    if (!key) return FALSE;
    const DWORD size = static_cast<DWORD>(::lstrlenA(lpszValue)) + 1;
    return ::RegSetValueExA(key.Get(), lpszName, 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(lpszValue), size) == ERROR_SUCCESS;
}

BOOL RegistryStore::SetStringValueW(LPCSTR lpszSection, LPCSTR lpszName, LPCWSTR lpszValue) const {
    if (!lpszValue) return FALSE;
    const RegistryKey key = CreateSection(lpszSection);
    if (!key || !lpszName) return FALSE;
    const auto size = static_cast<DWORD>((::lstrlenW(lpszValue) + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(key.Get(), AfxWidenText(lpszName), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(lpszValue), size) == ERROR_SUCCESS;
}
