#include "picture_fault_text.h"

#include <vector>

#include "system_error_text.h"

namespace {

LPCWSTR NameOf(LPCWSTR path) {
    LPCWSTR name = path;
    for (LPCWSTR at = path; *at; ++at)
        if (*at == L'\\' || *at == L'/') name = at + 1;
    return name;
}

CString Narrow(LPCWSTR text) {
    const int size = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return CString();
    std::vector<char> narrow(static_cast<size_t>(size));
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), size, nullptr, nullptr);
    return CString(narrow.data(), size - 1);
}

CString FileName(LPCWSTR path) { return Narrow(path ? NameOf(path) : L""); }

// A Win32 error wrapped in an HRESULT has the text of its number.
CString SystemText(HRESULT result) {
    const DWORD code = HRESULT_FACILITY(result) == FACILITY_WIN32
                           ? static_cast<DWORD>(HRESULT_CODE(result))
                           : static_cast<DWORD>(result);
    CString text;
    if (GetSystemErrorText(code, text) && !text.IsEmpty()) return text;
    char number[] = "error 0x00000000.";
    for (int digit = 0; digit < 8; ++digit)
        number[8 + digit] =
            "0123456789ABCDEF"[(static_cast<unsigned long>(result) >> (28 - 4 * digit)) & 0xF];
    return number;
}

}  // namespace

CString NotAPictureText(LPCWSTR path) {
    return AfxJoinText({"Not a picture Velmar can read: ", FileName(path)});
}

CString DamagedPictureText(LPCWSTR path) {
    return AfxJoinText({"The picture is damaged or incomplete: ", FileName(path)});
}

CString FolderText(LPCWSTR path) {
    return AfxJoinText({"A folder, not a picture: ", FileName(path)});
}

CString CannotOpenText(LPCWSTR path, HRESULT result) {
    return AfxJoinText({"Cannot open ", FileName(path), ": ", SystemText(result)});
}

CString TooLargeText(unsigned width, unsigned height) {
    return AfxJoinText({"The picture is too large to open: ", std::to_string(width).c_str(), " x ",
                        std::to_string(height).c_str(), " pixels."});
}

CString UnreadableClipboardText(const std::string& reason) {
    return AfxJoinText({"The clipboard's picture cannot be read: ", reason.c_str(), "."});
}

CString SystemFaultText(LPCSTR what, HRESULT result) {
    return AfxJoinText({what, ": ", SystemText(result)});
}
