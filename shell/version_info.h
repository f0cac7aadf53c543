#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "afxwin.h"

// Reads a version resource. A reader that exists holds the data: the constructor raises
// CResourceException when there is none. Pointers from the queries point into the reader's
// data and live as long as the reader.
class CVersionInfo {
public:
    // A null name reads the running program's own version resource straight from the loaded
    // program, so no path (however long, in whatever script) is involved; a given name is a file
    // in the code page.
    explicit CVersionInfo(LPCSTR lpszFileName = nullptr);
    ~CVersionInfo();
    CVersionInfo(const CVersionInfo&) = delete;
    CVersionInfo& operator=(const CVersionInfo&) = delete;

    // The value at a path of the data ("\\" gives the VS_FIXEDFILEINFO record), or null.
    const void* QueryValue(LPCSTR lpszPath) const;
    // A value of the U.S. English string table ("ProductName") in the code page, or null.
    LPCSTR GetString(LPCSTR lpszName) const;
    // The same value as the resource holds it, in UTF-16: what a window shows, for any script
    // (the code page would turn what it lacks into "?"). Empty when there is none.
    CStringW GetStringW(LPCSTR lpszName) const;
    // The "CompanyName" value up to its first blank (all of it without one, empty without it).
    CString& GetCompanyWord(CString& out) const;

private:
    // The value's text and its recorded length in characters, or null.
    const wchar_t* FindString(LPCSTR lpszName, UINT& characters) const;
    void LoadFile(const wchar_t* fileName);
    void LoadOwnResource();
    // Takes the block if it is sound version data, else raises CResourceException.
    void Keep(std::unique_ptr<BYTE[]> block, DWORD size);

    // Only the UTF-16 queries are used, which read the block and never write it, so a copy of a
    // resource serves as well as a file's data.
    std::unique_ptr<BYTE[]> m_pData;
    // The 8-bit forms of the strings asked for, each converted once and never moved, so
    // GetString can hand out lasting pointers.
    struct NarrowString {
        CString name;
        CString text;
    };
    mutable std::vector<std::unique_ptr<NarrowString>> m_strings;
};
