#pragma once

#include <windows.h>

#include "velmar_version.h"

// The version of the program under test, as the settings record it.
constexpr DWORD kRunningVersion = VELMAR_VERSION_NUMBER;
