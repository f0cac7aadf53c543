#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "conformance_case.h"
#include "file_bytes.h"
#include "recording_writer.h"
#include "scene_model.h"
#include "scene_reader.h"

// An 8-bit DIB of two colours, 8 x 2: D laid out as AA, S as CC and P (a monochrome pattern in
// the DC's black and white) as F0, so pixel k of a row is row k of the truth table; row 0 gets
// SRCCOPY, row 1 0xE20746.
inline ConformanceCase TruthTableCase() {
    return {"codes.two", R"({"scene": 1, "target": "dst",
        "operands": {"P": ["F0"], "S": ["CC"], "D": ["AA"]},
        "bitmaps": {"dst": {"dib": {"bpp": 8, "width": 8, "height": -2,
                            "colors": ["#000000", "#FFFFFF"], "bits": "0001000100010001 0001000100010001"}},
                    "src": {"dib": {"bpp": 8, "width": 8, "height": -1,
                            "colors": ["#000000", "#FFFFFF"], "bits": "0000010100000101"}},
                    "pat": {"mono": {"width": 8, "height": 1, "rows": ["0F00"]}}},
        "steps": [{"set": "dst", "brush": {"pattern": "pat"}},
                  {"bitblt": "dst", "x": 0, "y": 0, "w": 8, "h": 1, "src": "src", "rop": "SRCCOPY"},
                  {"bitblt": "dst", "x": 0, "y": 1, "w": 8, "h": 1, "src": "src", "rop": "0x00E20746"}]})"};
}

// A PatBlt that GDI refuses, then one it takes, on a 32-bit DIB of 4 x 1.
inline ConformanceCase RefusalCase() {
    return {"fail.one", R"({"scene": 1, "target": "dst",
        "bitmaps": {"dst": {"dib": {"bpp": 32, "width": 4, "height": 1}}},
        "steps": [{"patblt": "dst", "x": 0, "y": 0, "w": 4, "h": 1, "rop": "SRCCOPY"},
                  {"patblt": "dst", "x": 0, "y": 0, "w": 4, "h": 1, "rop": "WHITENESS"}]})"};
}

inline std::vector<ConformanceCase> FixtureCases() { return {TruthTableCase(), RefusalCase()}; }

// What the model makes of a case, as a GDI that agrees with it would leave it.
inline ObservedOutcome ModelOutcome(const ConformanceCase& c) {
    const SceneOutcome model = PlaySceneOnModel(*ReadScene(c.scene).scene);
    ObservedOutcome outcome;
    for (const bool value : model.returns) outcome.steps.push_back({value, value ? 0u : 87u});
    outcome.bytes = model.target.bytes;
    return outcome;
}

// A recording of the fixture's cases by such a GDI, in a new folder.
inline std::string RecordFixture(const std::string& name) {
    const std::string folder = ::testing::TempDir() + "velmar_recording_" + name;
    std::filesystem::remove_all(folder);
    MakeFolder(folder);
    RecordingWriter writer(folder);
    for (const ConformanceCase& c : FixtureCases()) writer.Record(c, ModelOutcome(c));
    RecordingPlatform platform;
    platform.program = "velmar-conform 1.7 (x64)";
    writer.Finish(platform, "fixture");
    return folder;
}

inline std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteWhole(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}
