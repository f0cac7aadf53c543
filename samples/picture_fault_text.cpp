#include "picture_fault_text.h"

#include "system_error_text.h"

namespace {

LPCWSTR NameOf(LPCWSTR path) {
    LPCWSTR name = path;
    for (LPCWSTR at = path; *at; ++at)
        if (*at == L'\\' || *at == L'/') name = at + 1;
    return name;
}

// The words before the file's name, then the name.
CStringW Naming(LPCSTR words, LPCWSTR path) {
    CStringW text(words);
    text += CStringW(path ? NameOf(path) : L"");
    return text;
}

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

CStringW NotAPictureText(LPCWSTR path) { return Naming("Not a picture Velmar can read: ", path); }

CStringW DamagedPictureText(LPCWSTR path) {
    return Naming("The picture is damaged or incomplete: ", path);
}

CStringW FolderText(LPCWSTR path) { return Naming("A folder, not a picture: ", path); }

CStringW CannotOpenText(LPCWSTR path, HRESULT result) {
    CStringW text = Naming("Cannot open ", path);
    text += CStringW(AfxJoinText({": ", SystemText(result)}));
    return text;
}

namespace {

CStringW TooLargeSaying(unsigned width, unsigned height, LPCSTR ending) {
    return CStringW(
        AfxJoinText({"The picture is too large to open: ", std::to_string(width).c_str(), " x ",
                     std::to_string(height).c_str(), ending}));
}

}  // namespace

CStringW TooLargeText(unsigned width, unsigned height) {
    return TooLargeSaying(width, height, " pixels.");
}

CStringW TooManyPixelsText(unsigned width, unsigned height) {
    return TooLargeSaying(width, height, " pixels, more than 100 megapixels.");
}

CStringW UnconvertiblePixelsText(LPCWSTR path) {
    return Naming("The picture's pixel format cannot be converted: ", path);
}

CStringW FirstOfFramesText(LPCWSTR path, unsigned frames) {
    return Naming(
        AfxJoinText({"Opened the first of ", std::to_string(frames).c_str(), " frames: "}), path);
}

CStringW ReadingText(LPCWSTR path) {
    CStringW text = Naming("Reading ", path);
    text += CStringW(L"...");
    return text;
}

CStringW UnreadableClipboardText(const std::string& reason) {
    return CStringW(AfxJoinText({"The clipboard's picture cannot be read: ", reason.c_str(), "."}));
}

CStringW SystemFaultText(LPCSTR what, HRESULT result) {
    return CStringW(AfxJoinText({what, ": ", SystemText(result)}));
}
