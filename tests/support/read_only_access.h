#pragma once

#include <windows.h>

#include <string>

// Lets everyone only read the key (and nothing more) for as long as it lives, as a standard user
// may only read the machine's keys; then full access again, so the key can be deleted.
class ReadOnlyAccess {
public:
    ReadOnlyAccess(HKEY root, const std::string& key);
    ~ReadOnlyAccess();
    ReadOnlyAccess(const ReadOnlyAccess&) = delete;
    ReadOnlyAccess& operator=(const ReadOnlyAccess&) = delete;

private:
    HKEY m_root;
    std::string m_key;
};
