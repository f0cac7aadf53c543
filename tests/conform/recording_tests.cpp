#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include <nlohmann/json.hpp>

#include "recording_fixture.h"
#include "velmar_rop.h"

namespace {

struct Corruption {
    const char* what;
    std::function<void(const std::string& folder)> corrupt;
    int status;
    std::vector<std::string> out;  // lines the report must hold
    std::string err;
};

void ChangeByte(const std::string& path, std::size_t offset, char value) {
    std::string bytes = ReadWhole(path);
    bytes[offset] = value;
    WriteWhole(path, bytes);
}

void Replace(const std::string& path, const std::string& from, const std::string& to) {
    std::string text = ReadWhole(path);
    text.replace(text.find(from), from.size(), to);
    WriteWhole(path, text);
}

// Each way a recording goes wrong, and what velmar-rop --compare says of it: the case, the
// pixel, or what does not read.
TEST(RecordingComparison, ACorruptedRecordingNamesTheCaseThePixelOrTheFault) {
    const Corruption corruptions[] = {
        {"nothing",
         [](const std::string&) {},
         0,
         {"PASS codes.two", "PASS fail.one", "2 passed, 0 failed"},
         ""},
        {"one byte of a target",
         [](const std::string& f) { ChangeByte(f + "/codes.two.bin", 13, '\x7F'); },
         1,
         {"FAIL codes.two: 1 of 16 pixels differ", "  at 5,1  P 1 S 0 D 1  expected 0x01  got 0x7F",
          "PASS fail.one", "1 passed, 1 failed"},
         ""},
        {"a target too short",
         [](const std::string& f) { WriteWhole(f + "/fail.one.bin", "abc"); },
         1,
         {"FAIL fail.one: the target holds 3 bytes, the scene's 16"},
         ""},
        {"a return value",
         [](const std::string& f) { Replace(f + "/recording.json", "false", "true"); },
         1,
         {"FAIL fail.one: steps[0] patblt returned TRUE, expected FALSE"},
         ""},
        {"a target missing",
         [](const std::string& f) { std::remove((f + "/codes.two.bin").c_str()); },
         1,
         {"FAIL codes.two: cannot read \"" + ::testing::TempDir() +
          "velmar_recording_a target missing/codes.two.bin\""},
         ""},
        {"a scene missing",
         [](const std::string& f) { std::remove((f + "/fail.one.json").c_str()); },
         1,
         {"PASS codes.two", "FAIL fail.one: cannot read \"" + ::testing::TempDir() +
                                "velmar_recording_a scene missing/fail.one.json\""},
         ""},
        {"a scene changed",
         [](const std::string& f) { Replace(f + "/fail.one.json", "SRCCOPY", "SRCCOPZ"); },
         1,
         {"FAIL fail.one: the scene does not read: steps[0].rop: \"SRCCOPZ\" is not a "
          "raster-operation code"},
         ""},
        {"the manifest missing",
         [](const std::string& f) { std::remove((f + "/recording.json").c_str()); },
         2,
         {},
         "cannot read \""},
        {"the manifest cut short",
         [](const std::string& f) { WriteWhole(f + "/recording.json", "{\"recording\": 1, \"ca"); },
         2,
         {},
         "recording.json\": not JSON: parse error at line 1, column 21"},
        {"a case name that is a path",
         [](const std::string& f) { Replace(f + "/recording.json", "\"fail.one\"", "\"../x\""); },
         2,
         {},
         "recording.json\": cases[1].name: not a case name"},
        {"a SHA-1 that is not one",
         [](const std::string& f) {
             Replace(f + "/recording.json", "\"sha1\":\"", "\"sha1\":\"g");
         },
         2,
         {},
         "cases[0].sha1: not 40 lower-case hexadecimal digits"},
    };
    for (const Corruption& corruption : corruptions) {
        const std::string folder = RecordFixture(corruption.what);
        corruption.corrupt(folder);
        const VelmarRopRun run = RunVelmarRop({"--compare", folder});
        EXPECT_EQ(run.status, corruption.status) << corruption.what << "\n" << run.out << run.err;
        for (const std::string& line : corruption.out)
            EXPECT_NE(run.out.find(line + "\n"), std::string::npos)
                << corruption.what << ": no line \"" << line << "\" in\n"
                << run.out;
        if (corruption.err.empty())
            EXPECT_EQ(run.err, "") << corruption.what;
        else
            EXPECT_NE(run.err.find(corruption.err), std::string::npos)
                << corruption.what << ": " << run.err;
    }
}

TEST(RecordingComparison, AChangedTargetIsSaidToHaveChangedSinceItWasRecorded) {
    const std::string folder = RecordFixture("sha1");
    ChangeByte(folder + "/codes.two.bin", 0, '\x01');
    const VelmarRopRun run = RunVelmarRop({"--compare", folder});
    EXPECT_NE(run.out.find("\n  codes.two.bin has changed since it was recorded: its SHA-1 is "),
              std::string::npos)
        << run.out;
}

// The JSON report, read back: every case with its parameters and first differences.
TEST(RecordingComparison, TheJsonReportReadsBack) {
    const std::string folder = RecordFixture("json");
    ChangeByte(folder + "/codes.two.bin", 13, '\x7F');
    const VelmarRopRun run = RunVelmarRop({"--json", "--compare", folder});
    EXPECT_EQ(run.status, 1);
    const nlohmann::json report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["passed"], 1);
    EXPECT_EQ(report["failed"], 1);
    EXPECT_EQ(report["program"], "velmar-conform 1.7 (x64), recorded");
    const nlohmann::json& failed = report["cases"][0];
    EXPECT_EQ(failed["name"], "codes.two");
    EXPECT_EQ(failed["passed"], false);
    EXPECT_EQ(failed["parameters"],
              nlohmann::json::parse(R"({"target": "dib", "bpp": 8, "width": 8, "height": -2,
                                        "steps": 3})"));
    EXPECT_EQ(failed["pixels"], 16);
    EXPECT_EQ(failed["differing_pixels"], 1);
    EXPECT_EQ(failed["differences"], nlohmann::json::parse(R"([{"x": 5, "y": 1, "P": 1, "S": 0,
                                                    "D": 1, "expected": 1, "got": 127}])"));
    EXPECT_EQ(report["cases"][1]["passed"], true);
}

TEST(RecordingComparison, DiffWritesTheExpectedTheGotAndTheDifference) {
    const std::string folder = RecordFixture("diff");
    ChangeByte(folder + "/codes.two.bin", 13, '\x7F');
    const std::string pictures = folder + "/pictures";
    EXPECT_EQ(RunVelmarRop({"--compare", folder, "--diff", pictures}).status, 1);
    for (const char* file : {"expected", "got", "difference"})
        EXPECT_EQ(ReadWhole(pictures + "/codes.two." + file + ".bmp").substr(0, 2), "BM") << file;
    EXPECT_EQ(ReadWhole(pictures + "/fail.one.expected.bmp"), "");
}

TEST(RecordingComparison, UsageErrors) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--compare"}, "--compare needs a value"},
        {{"--diff", "d"}, "--diff needs --compare"},
        {{"--compare", "r", "--out", "x"}, "--compare checks a recording; --out cannot go with it"},
        {{"--compare", "r", "--table"}, "--compare checks a recording; --table cannot go with it"},
        {{"--compare", "r", "SRCCOPY"},
         "--compare checks a recording; the argument \"SRCCOPY\" cannot go with it"},
        {{"--render", "s", "--compare", "r"},
         "--render plays a scene; --compare cannot go with it"},
        {{"--render", "s", "--diff", "d"}, "--render plays a scene; --diff cannot go with it"},
        {{"--compare", "r", "--compare", "q"}, "--compare is given twice"},
    };
    for (const auto& [args, message] : cases) {
        const VelmarRopRun run = RunVelmarRop(args);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_EQ(run.err, std::string("velmar-rop: ") + message + " (try --help)\n");
    }
}

}  // namespace
