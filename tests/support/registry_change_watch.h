#pragma once

#include <windows.h>

#include <string>

// Notices any write below a registry key from the moment it is made, by any process: the system
// signals the change as it is written, so "nothing was written" needs no waiting and no time
// stamps.
class RegistryChangeWatch {
public:
    RegistryChangeWatch(HKEY root, const std::string& key);
    ~RegistryChangeWatch();
    RegistryChangeWatch(const RegistryChangeWatch&) = delete;
    RegistryChangeWatch& operator=(const RegistryChangeWatch&) = delete;

    // False also when the key could not be watched; see Watching.
    bool Watching() const { return m_watching; }
    bool Changed() const { return ::WaitForSingleObject(m_event, 0) == WAIT_OBJECT_0; }

private:
    HKEY m_key = nullptr;
    HANDLE m_event = nullptr;
    bool m_watching = false;
};
