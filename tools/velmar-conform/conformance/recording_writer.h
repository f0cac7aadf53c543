#pragma once

#include <string>

#include "conformance_case.h"
#include "observed_outcome.h"
#include "recording_manifest.h"

// Writes a recording into an existing folder as the cases are played: name.json and name.bin at
// once, recording.json at the end. A fault names the file that could not be written.
class RecordingWriter {
public:
    explicit RecordingWriter(std::string directory) : m_directory(std::move(directory)) {}

    bool Record(const ConformanceCase& conformanceCase, const ObservedOutcome& outcome);
    bool Finish(const RecordingPlatform& platform, const std::string& caseSet);
    const std::string& Fault() const { return m_fault; }

private:
    bool Write(const std::string& file, const std::string& text);

    std::string m_directory;
    RecordingManifest m_manifest;
    std::string m_fault;
};
