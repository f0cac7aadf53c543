#pragma once

#include <windows.h>

#include "afxwin.h"
#include "registry_key.h"

// Typed values (32-bit integers and strings) in named sections below a root key and a key path.
// No key stays open: every call opens its section, reads or writes one value and closes it again.
// Failures are quiet: reads give their default, writes FALSE.
class RegistryStore : public CObject {
public:
    // A null root stands for HKEY_LOCAL_MACHINE; the path is taken as by SetKeyPath.
    RegistryStore(HKEY hRootKey = nullptr, LPCSTR lpszKeyPath = nullptr);

    // A non-empty path is used as it is; otherwise the path is built from the application's
    // registry key and profile name ("Software\Company\App\"), or left empty when it has none.
    void SetKeyPath(LPCSTR lpszKeyPath);

    int GetDwordValue(LPCSTR lpszSection, LPCSTR lpszName, int nDefault) const;
    BOOL SetDwordValue(LPCSTR lpszSection, LPCSTR lpszName, int nValue) const;
    CString GetStringValue(LPCSTR lpszSection, LPCSTR lpszName, LPCSTR lpszDefault) const;
    BOOL SetStringValue(LPCSTR lpszSection, LPCSTR lpszName, LPCSTR lpszValue) const;
    // The same in UTF-16, for texts such as file paths that the code page may not hold; the
    // registry gives readers of the 8-bit form their code page's best rendering of it.
    CStringW GetStringValueW(LPCSTR lpszSection, LPCSTR lpszName, LPCWSTR lpszDefault) const;
    BOOL SetStringValueW(LPCSTR lpszSection, LPCSTR lpszName, LPCWSTR lpszValue) const;

    HKEY m_hRootKey;
    // Ends in a backslash when built from the application's names, so a section name follows
    // directly; may be empty, which puts the sections directly below the root.
    CString m_strKeyPath;

private:
    // The key path followed by the section; false when there is no section or the name is
    // longer than a registry key name may be.
    bool GetSectionKeyName(LPCSTR lpszSection, CString& name) const;
    RegistryKey OpenSectionForReading(LPCSTR lpszSection) const;
    RegistryKey CreateSection(LPCSTR lpszSection) const;
};
