#pragma once

#include <windows.h>

#include "registry_store.h"

class SettingsFile;

// The application's own settings: where the program is installed and which version ran last,
// in the section "CurrentVersion" below the application's key. Where the machine-wide version
// cannot be written, the same section below HKEY_CURRENT_USER keeps the version this user has
// seen. Where a velmar.ini stands beside the program, the settings are kept in that file alone
// and the registry is neither read nor written.
class AppSettings : public RegistryStore {
public:
    AppSettings();

    // The start of a run: records the program's path and version. Afterwards m_dwPrevVersion
    // differs from m_dwVersion exactly on the first run of this version on this machine (for a
    // user who cannot write the machine's record: by this user).
    virtual void Initialize();

    // The version that the registry held when the run began (0 when none).
    DWORD m_dwPrevVersion = 0;
    // The running build's product version: major in the high word, minor in the low word.
    DWORD m_dwVersion = 0;
    // The velmar.ini looked for (SettingsFileBesideProgram()); empty: the registry alone.
    CStringW m_strSettingsFile;

private:
    void RecordProgramPath();
    void RecordVersion();
    void RecordVersionForThisUser();
    void RecordInFile(SettingsFile& file);
};
