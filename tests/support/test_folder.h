#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A folder of the test's own in the temporary folder, deleted with what the test put in it
// (read-only marks taken off first) when the object goes.
class TestFolder {
public:
    explicit TestFolder(const std::wstring& name);
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder's path, ending in a backslash, followed by the name.
    std::wstring Path(const std::wstring& name = L"") const { return m_path + name; }

private:
    std::wstring m_path;
};

// A file's bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string Utf8(const std::wstring& text);

// Which file a name leads to, and how many names it has.
struct FileIdentity {
    DWORD volume = 0;
    ULONGLONG index = 0;
    DWORD links = 0;
    FILETIME written{};
};
FileIdentity IdentityOf(const std::wstring& path);

// A symbolic link, as Windows makes one; under Wine, whose CreateSymbolicLinkW makes none, as
// the host's ln makes one, which Wine follows. Removed when the object goes, the way it was made:
// Wine's DeleteFileW would delete the file the link leads to instead.
class SymbolicLink {
public:
    SymbolicLink(const std::wstring& link, const std::wstring& target);
    ~SymbolicLink();
    SymbolicLink(const SymbolicLink&) = delete;
    SymbolicLink& operator=(const SymbolicLink&) = delete;

    // The link leads to the target.
    bool Made() const { return m_made; }

private:
    std::wstring m_link, m_unixLink;
    bool m_made = false;
};
