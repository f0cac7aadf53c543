#include <gtest/gtest.h>

#include <functional>

#include "gdi_comparison.h"
#include "sweep_scenes.h"
#include "wine_differences.h"

namespace {

// Every scene of a group, the ones that differ listed by name (the first few in full).
void ExpectSameOnGdi(const std::vector<SweepScene>& scenes) {
    std::size_t differing = 0;
    std::string listed;
    for (const SweepScene& scene : scenes) {
        const std::string difference = DifferenceOnGdi(scene);
        if (difference.empty()) continue;
        if (++differing <= 12) listed += "\n  " + scene.name + ": " + difference;
    }
    EXPECT_EQ(differing, 0u) << differing << " of " << scenes.size() << " scenes differ:" << listed;
}

TEST(GdiSweep, AllCodesOnEveryFormat) { ExpectSameOnGdi(AllCodeScenes()); }
TEST(GdiSweep, EveryBrushOnEveryFormatAtEveryOrigin) { ExpectSameOnGdi(BrushScenes()); }
TEST(GdiSweep, EveryFormatOntoEveryFormat) { ExpectSameOnGdi(ConversionScenes()); }
TEST(GdiSweep, TextAndBackgroundColoursOfEveryKind) { ExpectSameOnGdi(ColorScenes()); }
TEST(GdiSweep, MaskBltWithOffsets) { ExpectSameOnGdi(MaskScenes()); }
TEST(GdiSweep, ReturnValues) { ExpectSameOnGdi(ReturnScenes()); }

// Each fails on Wine; the day one passes, Wine has changed and the table is looked at again.
TEST(WineDifferences, WineStillDoesOtherwise) {
    for (const WineDifference& row : WineDifferences())
        EXPECT_FALSE(DifferenceOnGdi({row.rule, row.scene}).empty()) << row.rule;
}

}  // namespace
