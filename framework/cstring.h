#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

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

// A UTF-16 text, for the system's wide functions: paths and values the code page cannot hold.
// (Kept in a vector rather than a std::wstring, whose library instantiation is a tenth of the
// program's size.)
class CStringW {
public:
    CStringW() : CStringW(nullptr, 0) {}
    CStringW(LPCWSTR text) : CStringW(text, text ? ::lstrlenW(text) : 0) {}
    CStringW(LPCWSTR text, int length);
    // An 8-bit text of the code page, as AfxWidenText gives it.
    CStringW(LPCSTR text);

    operator LPCWSTR() const { return m_text.data(); }
    int GetLength() const { return static_cast<int>(m_text.size() - 1); }
    bool IsEmpty() const { return GetLength() == 0; }
    CStringW& operator+=(const CStringW& more);
    friend bool operator==(const CStringW& a, const CStringW& b) { return a.m_text == b.m_text; }

private:
    std::vector<wchar_t> m_text;  // ends in its zero
};

// An 8-bit text of the code page in UTF-16.
CStringW AfxWidenText(LPCSTR text);

// Replaces %1 and %2 in string nIDS with the two texts.
void AfxFormatString2(CString& result, UINT nIDS, LPCSTR text1, LPCSTR text2);

// The texts one after the other (a null one counts as empty): one allocation, where a chain of
// operator+ makes one string per step.
CString AfxJoinText(std::initializer_list<LPCSTR> parts);

// The pattern with each '#' in turn replaced by the next of the digits (0 to 9): "Row #: P #"
// and {6, 1} give "Row 6: P 1". No C library formatting, which would be a tenth of the program.
CString AfxFillDigits(LPCSTR pattern, std::initializer_list<int> digits);
