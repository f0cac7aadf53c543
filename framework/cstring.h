#pragma once

#include <windows.h>

#include <string>

// The framework's string: an owned, zero-terminated 8-bit text that converts to LPCSTR.
class CString {
public:
    CString() = default;
    CString(LPCSTR text) : m_text(text ? text : "") {}
    CString(std::string text) : m_text(std::move(text)) {}
    CString(LPCSTR text, int length) : m_text(text, static_cast<size_t>(length)) {}

    operator LPCSTR() const { return m_text.c_str(); }
    const std::string& GetString() const { return m_text; }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const { return m_text[static_cast<size_t>(index)]; }
    void Truncate(int length) { m_text.resize(static_cast<size_t>(length)); }

    // Loads a string-table entry of the resource module; FALSE (and empty) when there is none.
    BOOL LoadString(UINT nID);
    // printf-style formatting of any length.
    void Format(LPCSTR format, ...);

    CString& operator+=(const CString& more) {
        m_text += more.m_text;
        return *this;
    }
    friend CString operator+(CString left, const CString& right) { return left += right; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_text != b.m_text; }

private:
    std::string m_text;
};

// A string-table entry as a value (empty when the module lacks it).
CString AfxLoadString(UINT nID);

// An 8-bit text of the code page in UTF-16, for the wide functions of the system.
std::wstring AfxWidenText(LPCSTR text);

// Replaces %1 and %2 in string nIDS with the two texts.
void AfxFormatString2(CString& result, UINT nIDS, LPCSTR text1, LPCSTR text2);
