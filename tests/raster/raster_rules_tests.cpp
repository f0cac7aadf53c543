#include <gtest/gtest.h>

#include <cstdio>

#include "return_values.h"
#include "rule_cases.h"
#include "scene_model.h"
#include "scene_reader.h"

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

// The rules where a GDI could do otherwise (Wine's does), each with what it makes of its scene.
TEST(RasterRules, TheModelFollowsTheRules) {
    for (const RuleCase& row : RuleCases()) {
        const SceneReading reading = ReadScene(row.scene);
        ASSERT_TRUE(reading.scene) << row.rule << ": " << reading.fault;
        const SceneOutcome outcome = PlaySceneOnModel(*reading.scene);
        EXPECT_EQ(outcome.returns, row.returns) << row.rule;
        EXPECT_EQ(Hex(outcome.target.bytes), row.bytes) << row.rule;
    }
}

TEST(RasterRules, ReturnValues) {
    const SceneReading reading = ReadScene(ReturnValues().scene);
    ASSERT_TRUE(reading.scene) << reading.fault;
    EXPECT_EQ(PlaySceneOnModel(*reading.scene).returns, ReturnValues().returns);
}

}  // namespace
