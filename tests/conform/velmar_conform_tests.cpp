#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <nlohmann/json.hpp>

#include "platform_info.h"
#include "return_values.h"
#include "rule_cases.h"
#include "velmar_conform.h"
#include "velmar_rop.h"

namespace {

struct ConformRun {
    int status = 0;
    std::string out;
    std::string err;
};

ConformRun Conform(const std::vector<std::string>& args) {
    ConformRun run;
    const VelmarConformRun result = RunVelmarConform(args, [&](std::string_view piece) {
        run.out.append(piece);
        return true;
    });
    run.status = result.status;
    run.err = result.err;
    return run;
}

std::string Slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string LastLine(const std::string& text) {
    const std::size_t end = text.size() - 1;
    return text.substr(text.rfind('\n', end - 1) + 1, end - text.rfind('\n', end - 1) - 1);
}

TEST(VelmarConform, UsageErrors) {
    const std::string missing = ::testing::TempDir() + "velmar_conform_no/such/folder";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--bogus"}, "unknown option \"--bogus\" (try --help)"},
        {{"--cases"}, "--cases needs a value (try --help)"},
        {{"--cases="}, "--cases needs a value (try --help)"},
        {{"--scenes"}, "--scenes needs a value (try --help)"},
        {{"--record"}, "--record needs a value (try --help)"},
        {{"--json"}, "--json needs a value (try --help)"},
        {{"--diff"}, "--diff needs a value (try --help)"},
        {{"--cases", "huge"}, "--cases takes quick, standard or full, not \"huge\" (try --help)"},
        {{"--cases=quick", "--cases", "full"}, "--cases is given twice (try --help)"},
        {{"--list", "--list"}, "--list is given twice (try --help)"},
        {{"--cases", "quick", "--scenes", "d"},
         "--cases and --scenes cannot go together (try --help)"},
        {{"--list", "--record", "d"},
         "--list plays nothing; --record cannot go with it (try --help)"},
        {{"--list", "--json", "f"}, "--list plays nothing; --json cannot go with it (try --help)"},
        {{"--list", "--diff", "d"}, "--list plays nothing; --diff cannot go with it (try --help)"},
        {{"quick"}, "velmar-conform takes no argument, but there is \"quick\" (try --help)"},
        {{"-"}, "velmar-conform takes no argument, but there is \"-\" (try --help)"},
        {{"--scenes", missing}, "no scene files (*.json) in \"" + missing + "\""},
        {{"--cases", "quick", "--record", missing}, "cannot make the folder \"" + missing + "\""},
        {{"--cases", "quick", "--diff", missing}, "cannot make the folder \"" + missing + "\""},
        {{"--cases", "quick", "--json", missing + "/r.json"},
         "cannot write \"" + missing + "/r.json\""},
    };
    for (const auto& [args, message] : cases) {
        const ConformRun run = Conform(args);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_EQ(run.err, "velmar-conform: " + message + "\n");
    }
    EXPECT_EQ(Conform({"--help"}).out.substr(0, 16), "velmar-conform: ");
}

TEST(VelmarConform, TheQuickSetPassesAndItsJsonReportReadsBack) {
    const std::string json = ::testing::TempDir() + "velmar_conform_quick.json";
    const ConformRun run = Conform({"--cases", "quick", "--json", json});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(LastLine(run.out), "23 passed, 0 failed");
    const nlohmann::json report = nlohmann::json::parse(Slurp(json));
    EXPECT_EQ(report["failed"], 0);
    EXPECT_EQ(report["program"], ProgramName());
    ASSERT_EQ(report["cases"].size(), 23u);
    EXPECT_EQ(report["cases"][0]["name"], "codes.1bit-bw");
    EXPECT_EQ(report["cases"][0]["parameters"]["steps"], 257);
}

void WriteScene(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A folder of this name in the temporary folder, empty.
std::string EmptyFolder(const std::string& name) {
    const std::string folder = ::testing::TempDir() + name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    return folder;
}

// The user's own scenes, recorded under Wine and compared by velmar-rop, in-process: the same
// report, and a case that differs has its pictures.
TEST(VelmarConform, OwnScenesRecordedAndComparedGiveOneReport) {
    const std::string scenes = EmptyFolder("velmar_conform_scenes");
    WriteScene(scenes + "/my scene.json", RuleCases().front().scene);  // Wine differs
    WriteScene(scenes + "/returns.json", ReturnValues().scene);
    const std::string recording = scenes + "/recording";
    const ConformRun run =
        Conform({"--scenes", scenes, "--record", recording, "--diff", scenes + "/diff"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.substr(0, 17), "FAIL my_scene: 2 ") << run.out;
    EXPECT_EQ(LastLine(run.out), "1 passed, 1 failed");
    EXPECT_EQ(Slurp(scenes + "/diff/my_scene.difference.bmp").substr(0, 2), "BM");
    const nlohmann::json manifest = nlohmann::json::parse(Slurp(recording + "/recording.json"));
    EXPECT_EQ(manifest["cases_set"], "scenes");
    EXPECT_EQ(manifest["program"], ProgramName());
    EXPECT_FALSE(manifest["wine"].get<std::string>().empty());
    EXPECT_GE(manifest["windows"]["major"].get<int>(), 5);
    const VelmarRopRun compared = RunVelmarRop({"--compare", recording});
    EXPECT_EQ(compared.status, 1);
    EXPECT_EQ(compared.out, run.out);
}

TEST(VelmarConform, AnUnreadableSceneFailsAndTheOthersPlay) {
    const std::string scenes = EmptyFolder("velmar_conform_broken");
    WriteScene(scenes + "/broken.json", "{\"scene\": 1}");
    WriteScene(scenes + "/returns.json", ReturnValues().scene);
    const ConformRun run = Conform({"--scenes", scenes});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "FAIL broken: the scene does not read: \"bitmaps\" is missing\n"
              "PASS returns\n1 passed, 1 failed\n");
    EXPECT_EQ(Conform({"--list", "--scenes", scenes}).out, "broken\nreturns\n");
}

}  // namespace
