// A recording's manifest (recording.json) as velmar-rop --compare reads it: a fault is one
// printable line, and a manifest that reads is written out and read back the same, with every
// case name one that is a file name inside the recording's folder.

#include "conformance_case.h"
#include "fuzz_checks.h"
#include "recording_manifest.h"

namespace {

bool SameCases(const RecordingManifest& a, const RecordingManifest& b) {
    if (a.cases.size() != b.cases.size()) return false;
    for (std::size_t i = 0; i < a.cases.size(); ++i) {
        const RecordedCase& x = a.cases[i];
        const RecordedCase& y = b.cases[i];
        if (x.name != y.name || x.sha1 != y.sha1 || x.steps.size() != y.steps.size()) return false;
        for (std::size_t k = 0; k < x.steps.size(); ++k)
            if (x.steps[k].value != y.steps[k].value ||
                x.steps[k].lastError != y.steps[k].lastError)
                return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = FuzzInput(data, size);
    const ManifestReading reading = ReadManifest(text);
    if (!reading.manifest) {
        FuzzRequire(!reading.fault.empty() && IsPrintable(reading.fault, false),
                    "a fault is said on one printable line", text);
        return 0;
    }
    for (const RecordedCase& recorded : reading.manifest->cases)
        FuzzRequire(IsCaseName(recorded.name), "every case name is a file name", text);
    const ManifestReading again = ReadManifest(ManifestText(*reading.manifest));
    FuzzRequire(again.manifest && SameCases(*reading.manifest, *again.manifest),
                "a manifest written out reads back the same", text);
    return 0;
}
