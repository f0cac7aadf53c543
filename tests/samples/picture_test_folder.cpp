#include "picture_test_support.h"

#include <shellapi.h>

TestFolder::TestFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH, temp);
    m_path =
        std::wstring(temp) + L"velmar-picture-tests-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(m_path.c_str(), nullptr);
}

TestFolder::~TestFolder() {
    std::wstring from = m_path;
    from.push_back(L'\0');  // a list of paths, ended by an empty one
    SHFILEOPSTRUCTW remove{};
    remove.wFunc = FO_DELETE;
    remove.pFrom = from.c_str();
    remove.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&remove);
}

void TestFolder::WriteBytes(const wchar_t* name, const std::vector<BYTE>& bytes) const {
    HANDLE file = ::CreateFileW(Path(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (!bytes.empty())
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

std::vector<BYTE> TestFolder::ReadBytes(const wchar_t* name) const {
    HANDLE file = ::CreateFileW(Path(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::vector<BYTE> bytes(
        ::GetFileSize(file, nullptr) == INVALID_FILE_SIZE ? 0 : ::GetFileSize(file, nullptr));
    DWORD read = 0;
    if (!bytes.empty())
        ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    bytes.resize(read);
    return bytes;
}
