#include <gtest/gtest.h>

#include <cstdio>

#include "scene_model.h"
#include "scene_reader.h"
#include "sweep_scenes.h"
#include "wine_differences.h"

namespace {

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::string hex;
    char digits[3];
    for (const std::uint8_t b : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", b);
        hex += digits;
    }
    return hex;
}

// The rules where Wine's GDI does otherwise, each with what the rule makes of its scene.
TEST(RasterRules, WhereWineDiffersTheModelFollowsTheRules) {
    for (const WineDifference& row : WineDifferences()) {
        const SceneReading reading = ReadScene(row.scene);
        ASSERT_TRUE(reading.scene) << row.rule << ": " << reading.fault;
        const SceneOutcome outcome = PlaySceneOnModel(*reading.scene);
        EXPECT_EQ(outcome.returns, row.returns) << row.rule;
        EXPECT_EQ(Hex(outcome.target.bytes), row.bytes) << row.rule;
    }
}

// PatBlt with a code that reads the source fails; one off the surface or of no width succeeds.
// BitBlt needs a source only for a code that reads one. MaskBlt without a mask is the
// foreground's BitBlt. Hatch styles 6 to 11 are solid brushes, others past 5 are refused.
TEST(RasterRules, ReturnValues) {
    const SceneReading reading = ReadScene(ReturnScenes().front().json);
    ASSERT_TRUE(reading.scene) << reading.fault;
    const std::vector<bool> expected = {false, true,  true, false, true,  true, true,
                                        true,  false, true, true,  false, true, true};
    EXPECT_EQ(PlaySceneOnModel(*reading.scene).returns, expected);
}

}  // namespace
