#include "settings_file.h"

#include <vector>

#include "file_handle.h"
#include "program_path.h"

namespace {

// A path of 32,767 UTF-16 units, three bytes each in UTF-8, and room to spare.
constexpr DWORD kLargestRead = 128 * 1024;

SettingsFileValues ReadStart(LPCWSTR path) {
    const FileHandle file(::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::vector<char> text(kLargestRead);
    DWORD read = 0;
    if (!file || !::ReadFile(file.Get(), text.data(), kLargestRead, &read, nullptr)) return {};
    return ReadSettingsText(text.data(), read);
}

}  // namespace

bool SettingsFile::Open(LPCWSTR path) {
    const DWORD attributes = ::GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    m_strPath = path;
    m_values = ReadStart(path);
    return true;
}

bool SettingsFile::Save() const {
    // Windows writes no file marked read-only, for anyone; Wine run as root would.
    const DWORD attributes = ::GetFileAttributesW(m_strPath);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    const CString text = WriteSettingsText(m_values);
    // Emptied first: a write that fails halfway leaves an empty file, which is a valid one.
    const FileHandle file(::CreateFileW(m_strPath, GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                        TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           ::WriteFile(file.Get(), static_cast<LPCSTR>(text), static_cast<DWORD>(text.GetLength()),
                       &written, nullptr) &&
           written == static_cast<DWORD>(text.GetLength());
}

CStringW SettingsFileBesideProgram() {
    const CStringW program = GetFinalProgramPath();
    int folderEnd = program.GetLength();
    while (folderEnd > 0 && program[folderEnd - 1] != L'\\') --folderEnd;
    if (folderEnd == 0) return CStringW();
    return CStringW(program, folderEnd) += CStringW(L"velmar.ini");
}
