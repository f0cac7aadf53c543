#include "version_info.h"

#include <cstdio>
#include <cstring>

#include "program_path.h"

namespace {

// The block starts with its own length (VS_VERSIONINFO's wLength): sound data has one that
// covers at least that header and lies within what was read.
bool HoldsVersionData(const BYTE* block, DWORD size) {
    if (size < sizeof(WORD)) return false;
    WORD length = 0;
    std::memcpy(&length, block, sizeof length);
    return length >= 3 * sizeof(WORD) && length <= size;
}

}  // namespace

CVersionInfo::CVersionInfo(LPCSTR lpszFileName) {
    if (lpszFileName) {
        Load(AfxWidenText(lpszFileName));
        return;
    }
    wchar_t path[MAX_PATH];
    if (!GetProgramPath(path)) AfxThrowResourceException();
    Load(path);
}

void CVersionInfo::Load(const wchar_t* fileName) {
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(fileName, &handle);
    if (size == 0) AfxThrowResourceException();
    m_pData.reset(new BYTE[size]());
    if (!::GetFileVersionInfoW(fileName, 0, size, m_pData.get()) ||
        !HoldsVersionData(m_pData.get(), size)) {
        m_pData.reset();
        AfxThrowResourceException();
    }
}

CVersionInfo::~CVersionInfo() = default;

const void* CVersionInfo::QueryValue(LPCSTR lpszPath) const {
    if (!m_pData || !lpszPath) return nullptr;
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(m_pData.get(), lpszPath, &value, &length)) return nullptr;
    return value;
}

LPCSTR CVersionInfo::GetString(LPCSTR lpszName) const {
    if (!lpszName) return nullptr;
    // 255 characters at most, as the path buffer held: a longer name is no value of the table.
    const CString path = CString("\\StringFileInfo\\040904B0\\") + lpszName;
    if (path.GetLength() > 255) return nullptr;
    return static_cast<LPCSTR>(QueryValue(path));
}

CString& CVersionInfo::GetCompanyWord(CString& out) const {
    const LPCSTR company = GetString("CompanyName");
    if (!company) {
        out.Empty();
        return out;
    }
    const char* blank = std::strchr(company, ' ');
    out = blank ? CString(company, static_cast<int>(blank - company)) : CString(company);
    return out;
}
