#pragma once

#include <windows.h>

#include <utility>

// An open file that closes itself. Copying would close twice, so it moves instead.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(HANDLE hFile) : m_hFile(hFile) {}
    FileHandle(FileHandle&& other) noexcept
        : m_hFile(std::exchange(other.m_hFile, INVALID_HANDLE_VALUE)) {}
    FileHandle& operator=(FileHandle&& other) noexcept {
        std::swap(m_hFile, other.m_hFile);
        return *this;
    }
    ~FileHandle() {
        if (m_hFile != INVALID_HANDLE_VALUE) ::CloseHandle(m_hFile);
    }

    HANDLE Get() const { return m_hFile; }
    explicit operator bool() const { return m_hFile != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};
