#include "app_settings.h"

#include <mbstring.h>

#include "program_path.h"

namespace {

constexpr char kSection[] = "CurrentVersion";
constexpr char kPathValue[] = "Path";
constexpr char kVersionValue[] = "Version";

bool IsSamePathIgnoringCase(LPCSTR a, LPCSTR b) {
    return ::_mbsicmp(reinterpret_cast<const unsigned char*>(a),
                      reinterpret_cast<const unsigned char*>(b)) == 0;
}

}  // namespace

AppSettings::AppSettings() : RegistryStore(nullptr, nullptr) {}

void AppSettings::Initialize() {
    RecordProgramPath();
    RecordVersion();
}

void AppSettings::RecordProgramPath() {
    const CString stored = GetStringValue(kSection, kPathValue, "");
    char path[MAX_PATH];
    if (GetProgramPath(path) && !IsSamePathIgnoringCase(stored, path))
        SetStringValue(kSection, kPathValue, path);
}

void AppSettings::RecordVersion() {
    m_dwPrevVersion = static_cast<DWORD>(
        GetDwordValue(kSection, kVersionValue, static_cast<int>(m_dwPrevVersion)));
    if (m_dwPrevVersion != m_dwVersion)
        SetDwordValue(kSection, kVersionValue, static_cast<int>(m_dwVersion));
}
