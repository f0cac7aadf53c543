#pragma once

#include <windows.h>

#include "afxwin.h"
#include "settings_file_text.h"

// velmar.ini: where it stands beside the program, the program keeps its settings in it and never
// touches the registry (the portable mode). Read once at the start, at most its first 128 KiB.
// Memory that runs out raises std::bad_alloc, as anywhere else in the start.
class SettingsFile {
public:
    // True when a file (not a folder) stands at the path, even one that cannot be read: its
    // values are then none.
    bool Open(LPCWSTR path);

    // Rewrites the file in place: the same file, never a new one renamed over it, so that a
    // file that is one of several hard links stays one. False when it cannot be written.
    bool Save() const;

    SettingsFileValues m_values;

private:
    CStringW m_strPath;
};

// Where velmar.ini is looked for: beside the program's own file, wherever it was started from.
CStringW SettingsFileBesideProgram();
