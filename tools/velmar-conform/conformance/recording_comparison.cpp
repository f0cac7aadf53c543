#include "recording_comparison.h"

#include "file_bytes.h"
#include "quote_argument.h"
#include "recording_manifest.h"
#include "sha1.h"

namespace {

constexpr std::size_t kManifestLimit = std::size_t{256} << 20;

// The recorded outcome of one case: its results from the manifest, its bytes from name.bin.
Observation Recorded(const std::string& directory, const RecordedCase& recorded) {
    Observation observation;
    std::string bytes;
    if (!ReadFileText(directory + "/" + recorded.name + ".bin", kSceneBytesLimit, bytes,
                      observation.fault))
        return observation;
    const std::string sha1 =
        Sha1Hex(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    if (sha1 != recorded.sha1)
        observation.notes.push_back(recorded.name +
                                    ".bin has changed since it was recorded: its SHA-1 is " + sha1 +
                                    ", recording.json gives " + recorded.sha1);
    observation.outcome = ObservedOutcome{recorded.steps, {bytes.begin(), bytes.end()}};
    return observation;
}

CaseResult CheckRecorded(const std::string& directory, const RecordedCase& recorded) {
    ConformanceCase conformanceCase{recorded.name, {}};
    std::string fault;
    if (!ReadFileText(directory + "/" + recorded.name + ".json", kSceneFileLimit,
                      conformanceCase.scene, fault)) {
        CaseResult result;
        result.name = recorded.name;
        result.fault = fault;
        return result;
    }
    return CheckCase(conformanceCase, [&](const Scene&) { return Recorded(directory, recorded); });
}

}  // namespace

RecordingComparison CompareRecording(const std::string& directory, const ReportOptions& options,
                                     const ReportWrite& write) {
    std::string text, fault;
    const std::string manifestPath = directory + "/recording.json";
    if (!ReadFileText(manifestPath, kManifestLimit, text, fault)) return {2, fault};
    const ManifestReading reading = ReadManifest(text);
    if (!reading.manifest) return {2, QuotePath(manifestPath) + ": " + reading.fault};
    ReportOptions named = options;
    named.program = reading.manifest->platform.program + ", recorded";
    ConformanceReport report(named, write);
    for (const RecordedCase& recorded : reading.manifest->cases)
        if (!report.Add(CheckRecorded(directory, recorded))) return {2, report.Fault()};
    if (!report.Finish()) return {2, report.Fault()};
    return {report.Failed() ? 1 : 0, {}};
}
