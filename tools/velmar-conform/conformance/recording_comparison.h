#pragma once

#include <string>

#include "conformance_report.h"

struct RecordingComparison {
    int status = 0;     // 0 every case as the model, 1 any differs, 2 `fault`
    std::string fault;  // the manifest does not read, or the report cannot be written
};

// A recording (recording_manifest.h) checked case by case against the model, with the report of
// velmar-conform: a case whose files are missing, do not read or changed since they were
// recorded fails, and says which file.
RecordingComparison CompareRecording(const std::string& directory, const ReportOptions& options,
                                     const ReportWrite& write);
