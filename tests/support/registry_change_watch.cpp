#include "registry_change_watch.h"

RegistryChangeWatch::RegistryChangeWatch(HKEY root, const std::string& key)
    : m_event(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    if (!m_event || ::RegOpenKeyExA(root, key.c_str(), 0, KEY_NOTIFY, &m_key) != ERROR_SUCCESS)
        return;
    constexpr DWORD kWhat = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
    m_watching = ::RegNotifyChangeKeyValue(m_key, TRUE, kWhat, m_event, TRUE) == ERROR_SUCCESS;
}

RegistryChangeWatch::~RegistryChangeWatch() {
    if (m_key) ::RegCloseKey(m_key);
    if (m_event) ::CloseHandle(m_event);
}
