#include "version_info.h"

#include <cstdio>
#include <cstring>

#include "program_path.h"

CVersionInfo::CVersionInfo(LPCSTR lpszFileName) : m_pszFileName(lpszFileName) {
    if (!m_pszFileName && GetProgramPath(m_szFileName)) m_pszFileName = m_szFileName;
    if (!m_pszFileName) AfxThrowResourceException();

    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(m_pszFileName, &handle);
    if (size == 0) AfxThrowResourceException();
    m_pData.reset(new BYTE[size]);
    m_pData[0] = 0;
    // Judged by the block's first byte rather than the result: a block that stays empty is no
    // version data whatever the call reports.
    ::GetFileVersionInfoA(m_pszFileName, 0, size, m_pData.get());
    if (m_pData[0] == 0) {
        m_pData.reset();
        AfxThrowResourceException();
    }
}

CVersionInfo::~CVersionInfo() = default;

const void* CVersionInfo::QueryValue(LPCSTR lpszPath) const {
    if (!m_pData || m_pData[0] == 0 || !lpszPath) return nullptr;
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(m_pData.get(), lpszPath, &value, &length)) return nullptr;
    return value;
}

LPCSTR CVersionInfo::GetString(LPCSTR lpszName) const {
    if (!lpszName) return nullptr;
    char path[256];
    const int length = std::snprintf(path, sizeof path, "\\StringFileInfo\\040904B0\\%s", lpszName);
    // A cut path would name another value.
    if (length < 0 || length >= static_cast<int>(sizeof path)) return nullptr;
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
