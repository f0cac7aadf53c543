#pragma once

#include "recording_manifest.h"

// What a recording says of where it was made: this program's version and build, the Windows
// version as the kernel gives it (RtlGetVersion, which no compatibility shim alters) and Wine's
// version where it runs under Wine.
RecordingPlatform ThisPlatform();

// "velmar-conform 1.7 (x64)"
std::string ProgramName();
