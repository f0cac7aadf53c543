#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "observed_outcome.h"

// recording.json, the manifest of a recording: what played the cases and where, and each case's
// results; the case's scene and target bytes lie beside it as name.json and name.bin.
//     {"recording": 1, "program": "velmar-conform 1.7", "processor": "x86",
//      "windows": {"major": 5, "minor": 1, "build": 2600, "service_pack": "Service Pack 3"},
//      "wine": null, "cases_set": "standard",
//      "cases": [{"name": "codes.24bit", "sha1": "...", "returns": [true], "last_errors": [0]}]}
struct RecordedCase {
    std::string name;
    std::string sha1;  // of name.bin
    std::vector<StepResult> steps;
};

struct RecordingPlatform {
    std::string program;
    std::string processor;  // "x64" or "x86"
    std::uint32_t windowsMajor = 0, windowsMinor = 0, windowsBuild = 0;
    std::string servicePack;
    std::string wine;  // Wine's version, empty when not under Wine
};

struct RecordingManifest {
    RecordingPlatform platform;
    std::string caseSet;  // "quick", "standard", "full" or "scenes"
    std::vector<RecordedCase> cases;
};

std::string ManifestText(const RecordingManifest& manifest);

struct ManifestReading {
    std::optional<RecordingManifest> manifest;
    std::string fault;  // set when manifest is empty: "cases[3].sha1: ..."
};

// Every case name must be a case name (conformance_case.h) and given once: names become paths.
ManifestReading ReadManifest(std::string_view text);
