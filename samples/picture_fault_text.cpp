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
    std::string number = "error 0x";
    for (int shift = 28; shift >= 0; shift -= 4)
        number += "0123456789ABCDEF"[(static_cast<unsigned long>(result) >> shift) & 0xF];
    return CString(number + ".");
}

}  // namespace

CString NotAPictureText(LPCWSTR path) { return "Not a picture Velmar can read: " + FileName(path); }

CString DamagedPictureText(LPCWSTR path) {
    return "The picture is damaged or incomplete: " + FileName(path);
}

CString FolderText(LPCWSTR path) { return "A folder, not a picture: " + FileName(path); }

CString CannotOpenText(LPCWSTR path, HRESULT result) {
    return "Cannot open " + FileName(path) + ": " + SystemText(result);
}

CString TooLargeText(unsigned width, unsigned height) {
    return CString("The picture is too large to open: " + std::to_string(width) + " x " +
                   std::to_string(height) + " pixels.");
}

CString UnreadableClipboardText(const std::string& reason) {
    return "The clipboard's picture cannot be read: " + CString(reason) + ".";
}

CString SystemFaultText(LPCSTR what, HRESULT result) {
    return CString(what) + ": " + SystemText(result);
}
