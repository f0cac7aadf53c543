#include "app_settings.h"

#include "program_path.h"
#include "settings_file.h"

namespace {

constexpr char kSection[] = "CurrentVersion";
constexpr char kPathValue[] = "Path";
constexpr char kVersionValue[] = "Version";

// As the file system compares names: letter case folded character by character, in any script.
bool IsSamePathIgnoringCase(LPCWSTR a, LPCWSTR b) {
    return ::CompareStringOrdinal(a, -1, b, -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

AppSettings::AppSettings() : RegistryStore(nullptr, nullptr) {}

void AppSettings::Initialize() {
    SettingsFile file;
    if (m_strSettingsFile.GetLength() > 0 && file.Open(m_strSettingsFile)) {
        RecordInFile(file);
        return;
    }
    RecordProgramPath();
    RecordVersion();
}

void AppSettings::RecordProgramPath() {
    const CStringW stored = GetStringValueW(kSection, kPathValue, L"");
    const CStringW path = GetProgramPath();
    if (path.GetLength() > 0 && !IsSamePathIgnoringCase(stored, path))
        SetStringValueW(kSection, kPathValue, path);
}

void AppSettings::RecordVersion() {
    m_dwPrevVersion = static_cast<DWORD>(
        GetDwordValue(kSection, kVersionValue, static_cast<int>(m_dwPrevVersion)));
    if (m_dwPrevVersion == m_dwVersion) return;
    if (!SetDwordValue(kSection, kVersionValue, static_cast<int>(m_dwVersion)))
        RecordVersionForThisUser();
}

// A standard user cannot write the machine's key (and a 64-bit program is not redirected to a
// copy of it), so without this the first-run About box would open at every start.
void AppSettings::RecordVersionForThisUser() {
    const RegistryStore user(HKEY_CURRENT_USER, m_strKeyPath);
    const auto seen = static_cast<DWORD>(user.GetDwordValue(kSection, kVersionValue, 0));
    if (seen == m_dwVersion)
        m_dwPrevVersion = m_dwVersion;
    else
        user.SetDwordValue(kSection, kVersionValue, static_cast<int>(m_dwVersion));
}

// Only a change is written, so a second run leaves the file as it was. Settings that cannot be
// kept (a read-only folder, a file another program holds) last for this run, silently: the
// About box would otherwise open at every start.
void AppSettings::RecordInFile(SettingsFile& file) {
    SettingsFileValues& values = file.m_values;
    m_dwPrevVersion = values.version;
    bool changed = values.version != m_dwVersion;
    values.version = m_dwVersion;
    const CStringW path = WithoutLongPathPrefix(GetFinalProgramPath());
    if (path.GetLength() > 0 && !IsSamePathIgnoringCase(values.path, path)) {
        values.path = path;
        changed = true;
    }
    if (changed && !file.Save()) m_dwPrevVersion = m_dwVersion;
}
