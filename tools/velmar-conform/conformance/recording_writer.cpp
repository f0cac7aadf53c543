#include "recording_writer.h"

#include "file_bytes.h"
#include "quote_argument.h"
#include "sha1.h"

bool RecordingWriter::Write(const std::string& file, const std::string& text) {
    const std::string path = m_directory + "/" + file;
    if (WriteFileText(path, text)) return true;
    m_fault = "cannot write " + QuotePath(path);
    return false;
}

bool RecordingWriter::Record(const ConformanceCase& conformanceCase,
                             const ObservedOutcome& outcome) {
    m_manifest.cases.push_back(
        {conformanceCase.name, Sha1Hex(outcome.bytes.data(), outcome.bytes.size()), outcome.steps});
    return Write(conformanceCase.name + ".json", conformanceCase.scene) &&
           Write(conformanceCase.name + ".bin",
                 std::string(outcome.bytes.begin(), outcome.bytes.end()));
}

bool RecordingWriter::Finish(const RecordingPlatform& platform, const std::string& caseSet) {
    m_manifest.platform = platform;
    m_manifest.caseSet = caseSet;
    return Write("recording.json", ManifestText(m_manifest));
}
