#include "version_info.h"

#include <cstring>
#include <vector>

namespace {

// The block starts with its own length (VS_VERSIONINFO's wLength): sound data has one that
// covers at least that header and lies within what was read.
bool HoldsVersionData(const BYTE* block, DWORD size) {
    if (size < sizeof(WORD)) return false;
    WORD length = 0;
    std::memcpy(&length, block, sizeof length);
    return length >= 3 * sizeof(WORD) && length <= size;
}

CString NarrowText(const wchar_t* text, UINT characters) {
    // A value's recorded length may count its zero; the text ends at the first one either way.
    const auto length = static_cast<int>(::wcsnlen(text, characters));
    const int size = ::WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return CString();
    std::vector<char> narrow(static_cast<size_t>(size));
    ::WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(), size, nullptr, nullptr);
    return CString(narrow.data(), size);
}

}  // namespace

CVersionInfo::CVersionInfo(LPCSTR lpszFileName) {
    if (lpszFileName)
        LoadFile(AfxWidenText(lpszFileName));
    else
        LoadOwnResource();
}

void CVersionInfo::LoadFile(const wchar_t* fileName) {
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(fileName, &handle);
    if (size == 0) AfxThrowResourceException();
    std::unique_ptr<BYTE[]> block(new BYTE[size]());
    if (!::GetFileVersionInfoW(fileName, 0, size, block.get())) AfxThrowResourceException();
    Keep(std::move(block), size);
}

void CVersionInfo::LoadOwnResource() {
    const HMODULE module = AfxGetInstanceHandle();
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO),
                                        MAKEINTRESOURCEW(16));  // RT_VERSION
    const HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    const DWORD size = found ? ::SizeofResource(module, found) : 0;
    if (!data || size == 0) AfxThrowResourceException();
    std::unique_ptr<BYTE[]> block(new BYTE[size]);
    std::memcpy(block.get(), data, size);
    Keep(std::move(block), size);
}

void CVersionInfo::Keep(std::unique_ptr<BYTE[]> block, DWORD size) {
    if (!HoldsVersionData(block.get(), size)) AfxThrowResourceException();
    m_pData = std::move(block);
}

CVersionInfo::~CVersionInfo() = default;

const void* CVersionInfo::QueryValue(LPCSTR lpszPath) const {
    if (!m_pData || !lpszPath) return nullptr;
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(m_pData.get(), AfxWidenText(lpszPath), &value, &length)) return nullptr;
    return value;
}

const wchar_t* CVersionInfo::FindString(LPCSTR lpszName, UINT& characters) const {
    if (!lpszName) return nullptr;
    // 255 characters at most, as the path buffer held: a longer name is no value of the table.
    const CString path = AfxJoinText({"\\StringFileInfo\\040904B0\\", lpszName});
    if (path.GetLength() > 255 || !m_pData) return nullptr;
    void* value = nullptr;
    characters = 0;
    if (!::VerQueryValueW(m_pData.get(), AfxWidenText(path), &value, &characters) || !value)
        return nullptr;
    return static_cast<const wchar_t*>(value);
}

LPCSTR CVersionInfo::GetString(LPCSTR lpszName) const {
    UINT characters = 0;
    const wchar_t* value = FindString(lpszName, characters);
    if (!value) return nullptr;
    // Converted once: a pointer handed out earlier stays good.
    for (const auto& kept : m_strings)
        if (std::strcmp(kept->name, lpszName) == 0) return kept->text;
    m_strings.push_back(
        std::make_unique<NarrowString>(NarrowString{lpszName, NarrowText(value, characters)}));
    return m_strings.back()->text;
}

CStringW CVersionInfo::GetStringW(LPCSTR lpszName) const {
    UINT characters = 0;
    const wchar_t* value = FindString(lpszName, characters);
    // A value's recorded length may count its zero; the text ends at the first one either way.
    return value ? CStringW(value, static_cast<int>(::wcsnlen(value, characters))) : CStringW();
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
