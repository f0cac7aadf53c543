#include "open_picture_dialog.h"

#include <shobjidl.h>

#include "system_error_text.h"

namespace {

// By value: the import library that defines them would be the program's only use of it.
constexpr CLSID kFileOpenDialogClass = {
    0xdc1c5a9c, 0xe88a, 0x4dde, {0xa5, 0xa1, 0x60, 0xf8, 0x2a, 0x20, 0xae, 0xf7}};
constexpr IID kFileOpenDialogInterface = {
    0xd57c7288, 0xd4ad, 0x4768, {0xbe, 0x02, 0x9d, 0x96, 0x95, 0x32, 0xd9, 0x60}};

template <typename Interface>
class Released {
public:
    ~Released() {
        if (m_pointer) m_pointer->Release();
    }
    Interface** Out() { return &m_pointer; }
    Interface* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

private:
    Interface* m_pointer = nullptr;
};

constexpr COMDLG_FILTERSPEC kFilters[] = {
    {L"Pictures", L"*.bmp;*.dib;*.png;*.jpg;*.jpeg;*.gif;*.tif;*.tiff;*.ico"},
    {L"All files", L"*.*"},
};

// The dialog that could not be made or shown, and the system's word why.
CString DialogFault(HRESULT result) {
    CString why = "the system has none.";
    GetSystemErrorText(static_cast<DWORD>(result), why);
    return CString("The open dialog cannot be shown: ") + why;
}

}  // namespace

std::optional<CStringW> AskForPictureFile(HWND owner, CString& fault) {
    Released<IFileOpenDialog> dialog;
    HRESULT result =
        ::CoCreateInstance(kFileOpenDialogClass, nullptr, CLSCTX_INPROC_SERVER,
                           kFileOpenDialogInterface, reinterpret_cast<void**>(dialog.Out()));
    if (SUCCEEDED(result)) {
        dialog->SetFileTypes(2, kFilters);
        dialog->SetOptions(FOS_FILEMUSTEXIST | FOS_PATHMUSTEXIST | FOS_FORCEFILESYSTEM);
        result = dialog->Show(owner);
    }
    if (result == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return std::nullopt;
    if (FAILED(result)) {
        fault = DialogFault(result);
        return std::nullopt;
    }
    Released<IShellItem> item;
    wchar_t* path = nullptr;
    if (FAILED(dialog->GetResult(item.Out())) || !item ||
        FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path)) || !path)
        return std::nullopt;
    CStringW chosen(path);
    ::CoTaskMemFree(path);
    return chosen;
}
