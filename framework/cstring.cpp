#include "cstring.h"

#include <cstdarg>
#include <cstdio>
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

void CString::Format(LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0) {
        m_text.clear();
    } else {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        m_text.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(args);
}

CString AfxLoadString(UINT nID) {
    CString text;
    text.LoadString(nID);
    return text;
}

std::wstring AfxWidenText(LPCSTR text) {
    const int length = text ? ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0) : 0;
    if (length <= 0) return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
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
