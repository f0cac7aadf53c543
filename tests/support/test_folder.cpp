#include "test_folder.h"

#include "ui_test.h"

namespace {

void DeleteTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + name;
            ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                DeleteTree(path + L"\\");
            else
                ::DeleteFileW(path.c_str());
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::RemoveDirectoryW(folder.c_str());
}

// The host's path of a Wine path (UTF-8 text); empty outside Wine.
std::wstring UnixPath(const std::wstring& path) {
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    const auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    char* name = unixFileName ? unixFileName(path.c_str()) : nullptr;
    if (!name) return std::wstring();
    wchar_t wide[4 * MAX_PATH] = L"";
    ::MultiByteToWideChar(CP_UTF8, 0, name, -1, wide, 4 * MAX_PATH - 1);
    ::HeapFree(::GetProcessHeap(), 0, name);
    return wide;
}

// Wine starts a host program given by its path on drive Z:, the host's root; it gives no exit
// code of one, so the caller waits for what the program was to do.
bool RunHostProgram(const std::wstring& name, const std::wstring& arguments) {
    std::wstring commandLine = name + L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW((L"Z:\\bin\\" + name).c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                          0, nullptr, nullptr, &startup, &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

bool LeadsTo(const std::wstring& link, const std::wstring& target) {
    const FileIdentity a = IdentityOf(link), b = IdentityOf(target);
    return a.index != 0 && a.index == b.index && a.volume == b.volume;
}

}  // namespace

TestFolder::TestFolder(const std::wstring& name) {
    wchar_t temp[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, temp);
    m_path = std::wstring(temp) + name + L"\\";
    DeleteTree(m_path);
    ::CreateDirectoryW(m_path.c_str(), nullptr);
}

TestFolder::~TestFolder() { DeleteTree(m_path); }

std::string ReadFileBytes(const std::wstring& path) {
    const HANDLE file =
        ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string bytes(::GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !::ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr))
        read = 0;
    ::CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok =
        bytes.empty() ||
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == bytes.size();
}

std::string Utf8(const std::wstring& text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0],
                              size, nullptr, nullptr);
    return bytes;
}

FileIdentity IdentityOf(const std::wstring& path) {
    FileIdentity identity;
    const HANDLE file = ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return identity;
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileInformationByHandle(file, &info)) {
        identity.volume = info.dwVolumeSerialNumber;
        identity.index = (ULONGLONG(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
        identity.links = info.nNumberOfLinks;
        identity.written = info.ftLastWriteTime;
    }
    ::CloseHandle(file);
    return identity;
}

SymbolicLink::SymbolicLink(const std::wstring& link, const std::wstring& target) : m_link(link) {
    ::CreateSymbolicLinkW(link.c_str(), target.c_str(), 0);
    m_made = LeadsTo(link, target);
    if (m_made) return;
    m_unixLink = UnixPath(link);
    const std::wstring unixTarget = UnixPath(target);
    if (m_unixLink.empty() || unixTarget.empty()) return;
    if (RunHostProgram(L"ln", L"-s \"" + unixTarget + L"\" \"" + m_unixLink + L"\""))
        m_made = PumpUntil([&] { return LeadsTo(link, target); });
}

SymbolicLink::~SymbolicLink() {
    if (m_unixLink.empty()) {
        ::DeleteFileW(m_link.c_str());
    } else if (RunHostProgram(L"rm", L"-f \"" + m_unixLink + L"\"")) {
        PumpUntil([&] { return ::GetFileAttributesW(m_link.c_str()) == INVALID_FILE_ATTRIBUTES; });
    }
}
