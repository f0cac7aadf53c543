#include "cstring.h"

#include <algorithm>
#include <vector>

#include "framework_ids.h"
#include "win_app.h"

BOOL CString::LoadString(UINT nID) {
    // A string-table entry holds at most 4097 UTF-16 units; this covers any 8-bit conversion.
    std::vector<char> buffer(8192);
    const int length =
        ::LoadStringA(AfxGetResourceHandle(), nID, buffer.data(), static_cast<int>(buffer.size()));
    m_text.assign(buffer.data(), length > 0 ? static_cast<size_t>(length) : 0);
    return length > 0;
}

CString AfxLoadString(UINT nID) {
    CString text;
    text.LoadString(nID);
    return text;
}

// Both grow the vector by resize alone, so the program holds one way of growing it.
CStringW::CStringW(LPCWSTR text, int length) {
    const size_t count = text && length > 0 ? static_cast<size_t>(length) : 0;
    m_text.resize(count + 1);
    std::copy(text, text + count, m_text.begin());
}

CStringW::CStringW(LPCSTR text) : CStringW(AfxWidenText(text)) {}

CStringW& CStringW::operator+=(const CStringW& more) {
    const size_t end = m_text.size() - 1;
    const size_t count = more.m_text.size() - 1;
    m_text.resize(end + count + 1);
    std::copy(more.m_text.begin(), more.m_text.begin() + count, m_text.begin() + end);
    return *this;
}

CStringW AfxWidenText(LPCSTR text) {
    const int length = text ? ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0) : 0;
    if (length <= 0) return CStringW();
    std::vector<wchar_t> wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    return CStringW(wide.data());
}

void AfxFormatString2(CString& result, UINT nIDS, LPCSTR text1, LPCSTR text2) {
    const std::string format = AfxLoadString(nIDS).GetString();
    std::string out;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() &&
            (format[i + 1] == '1' || format[i + 1] == '2')) {
            out += format[i + 1] == '1' ? text1 : text2;
            ++i;
        } else {
            out += format[i];
        }
    }
    result = CString(std::move(out));
}

CString AfxJoinText(std::initializer_list<LPCSTR> parts) {
    std::string text;
    for (const LPCSTR part : parts)
        if (part) text += part;
    return CString(std::move(text));
}

CString AfxFillDigits(LPCSTR pattern, std::initializer_list<int> digits) {
    std::string text = pattern;
    size_t at = 0;
    for (const int digit : digits) {
        at = text.find('#', at);
        if (at == std::string::npos) break;
        text[at] = static_cast<char>('0' + digit);
    }
    return CString(std::move(text));
}
