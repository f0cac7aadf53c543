#pragma once

#include <windows.h>

#include <memory>

#include "afxwin.h"

// Reads a file's version resource. A reader that exists holds the data: the constructor raises
// CResourceException when the file has none. Pointers from the queries point into the reader's
// data and live as long as the reader.
class CVersionInfo {
public:
    // A null name reads the running program's own file (by its UTF-16 path, so any folder name
    // works); a given name is in the code page.
    explicit CVersionInfo(LPCSTR lpszFileName = nullptr);
    ~CVersionInfo();
    CVersionInfo(const CVersionInfo&) = delete;
    CVersionInfo& operator=(const CVersionInfo&) = delete;

    // The value at a path of the data ("\\" gives the VS_FIXEDFILEINFO record), or null.
    const void* QueryValue(LPCSTR lpszPath) const;
    // A value of the U.S. English string table ("ProductName"), or null.
    LPCSTR GetString(LPCSTR lpszName) const;
    // The "CompanyName" value up to its first blank (all of it without one, empty without it).
    CString& GetCompanyWord(CString& out) const;

private:
    void Load(const wchar_t* fileName);

    // VerQueryValueA keeps converted strings in the block itself, so it stays writable.
    std::unique_ptr<BYTE[]> m_pData;
};
