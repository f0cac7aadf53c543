#include <gtest/gtest.h>

#include "case_check.h"
#include "recording_fixture.h"
#include "report_text.h"
#include "rule_cases.h"

namespace {

CaseResult Failing(int bpp, std::size_t pixels, std::size_t differing) {
    CaseResult result;
    result.name = "brush.null.4bit.origin=0,0";
    result.parameters.bitsPerPixel = bpp;
    result.comparison.pixels = pixels;
    result.comparison.differingPixels = differing;
    return result;
}

CaseResult WithPixel(CaseResult result, PixelDifference pixel) {
    result.comparison.firstPixels.push_back(pixel);
    return result;
}

CaseResult WithReturn(CaseResult result, std::size_t step, bool expected, StepResult got) {
    result.comparison.returns.push_back({step, "maskblt", expected, got});
    return result;
}

// What a reader of the report sees of each kind of result.
TEST(ConformanceReportText, EachKindOfResult) {
    CaseResult padding = Failing(32, 4, 0);
    padding.comparison.paddingByte = 37;
    CaseResult fault = Failing(8, 0, 0);
    fault.fault = "the scene does not read: steps[3].rop: \"X\" is not a raster-operation code";
    CaseResult noted = Failing(8, 16, 0);
    noted.notes = {"x.bin has changed since it was recorded"};
    const std::pair<CaseResult, std::string> cases[] = {
        {Failing(24, 4096, 0), "PASS brush.null.4bit.origin=0,0\n"},
        {WithPixel(Failing(24, 4096, 936), {3, 17, 0x00FF00, 0x0000FF, {{}, 1, 0, 1}}),
         "FAIL brush.null.4bit.origin=0,0: 936 of 4096 pixels differ\n"
         "  at 3,17  P 1 S 0 D 1  expected 0x00FF00  got 0x0000FF\n"},
        {WithPixel(Failing(1, 1, 1), {0, 0, 1, 0, {1, 0, 1, 1}}),
         "FAIL brush.null.4bit.origin=0,0: 1 of 1 pixel differs\n"
         "  at 0,0  M 1 P 0 S 1 D 1  expected 1  got 0\n"},
        {WithPixel(Failing(4, 8, 1), {7, 0, 0x5, 0xA, {}}),
         "FAIL brush.null.4bit.origin=0,0: 1 of 8 pixels differ\n"
         "  at 7,0  expected 0x5  got 0xA\n"},
        {WithPixel(Failing(16, 8, 1), {1, 2, 0x7C1F, 0x1F, {}}),
         "FAIL brush.null.4bit.origin=0,0: 1 of 8 pixels differ\n"
         "  at 1,2  expected 0x7C1F  got 0x001F\n"},
        {WithPixel(Failing(32, 8, 1), {1, 2, 0xFF00FF00, 0x00FF00, {}}),
         "FAIL brush.null.4bit.origin=0,0: 1 of 8 pixels differ\n"
         "  at 1,2  expected 0xFF00FF00  got 0x0000FF00\n"},
        {padding,
         "FAIL brush.null.4bit.origin=0,0: every pixel agrees, but byte 37 between rows "
         "differs\n"},
        {WithReturn(Failing(8, 4, 0), 3, true, {false, 87}),
         "FAIL brush.null.4bit.origin=0,0: steps[3] maskblt returned FALSE (GetLastError 87), "
         "expected TRUE\n"},
        {WithReturn(WithReturn(Failing(8, 4, 2), 1, false, {true, 0}), 4, true, {false, 0}),
         "FAIL brush.null.4bit.origin=0,0: 2 of 4 pixels differ; 2 return values differ\n"
         "  steps[1] maskblt returned TRUE, expected FALSE\n"
         "  steps[4] maskblt returned FALSE, expected TRUE\n"},
        {fault, "FAIL brush.null.4bit.origin=0,0: " + fault.fault + "\n"},
        {noted, "FAIL brush.null.4bit.origin=0,0: x.bin has changed since it was recorded\n"},
    };
    for (const auto& [result, text] : cases) EXPECT_EQ(CaseReportText(result), text);
    EXPECT_EQ(SummaryText(1712, 3), "1712 passed, 3 failed\n");
}

// Ten pixels wrong: all are counted, the first eight shown in order, each with its operands.
TEST(ConformanceComparison, CountsEveryPixelAndShowsTheFirstEight) {
    const ConformanceCase truthTable = TruthTableCase();
    ObservedOutcome observed = ModelOutcome(truthTable);
    for (std::size_t i = 3; i < 13; ++i) observed.bytes[i] ^= 0x80;
    const CaseResult result = CheckCase(truthTable, [&](const Scene&) {
        return Observation{observed, {}, {}};
    });
    ASSERT_EQ(result.fault, "");
    EXPECT_EQ(result.comparison.pixels, 16u);
    EXPECT_EQ(result.comparison.differingPixels, 10u);
    ASSERT_EQ(result.comparison.firstPixels.size(), 8u);
    const PixelDifference& last = result.comparison.firstPixels.back();
    EXPECT_EQ(last.x, 2);
    EXPECT_EQ(last.y, 1);
    EXPECT_EQ(last.expected, 0u);  // 0xE2's row 2 (P 0, S 1, D 0)
    EXPECT_EQ(last.got, 0x80u);
    EXPECT_EQ(*last.operands.p, 0);
    EXPECT_EQ(*last.operands.s, 1);
    EXPECT_FALSE(last.operands.m);
}

TEST(ConformanceComparison, AnOutcomeOfAnotherShapeIsAFault) {
    const ConformanceCase refusal = RefusalCase();
    ObservedOutcome fewer = ModelOutcome(refusal);
    fewer.steps.pop_back();
    EXPECT_EQ(CheckCase(refusal,
                        [&](const Scene&) {
                            return Observation{fewer, {}, {}};
                        })
                  .fault,
              "1 results for 2 steps");
    EXPECT_EQ(CheckCase(refusal,
                        [](const Scene&) {
                            return Observation{std::nullopt, "GDI could not make the bitmaps", {}};
                        })
                  .fault,
              "GDI could not make the bitmaps");
}

// Names become file names and words of report lines.
TEST(ConformanceCaseNames, RuleCasesHaveCaseNames) {
    for (const RuleCase& rule : RuleCases()) EXPECT_TRUE(IsCaseName(rule.name)) << rule.name;
    for (const char* bad : {"", "a b", "../x", "a/b", "a\\b", "x:y", "a\"b"})
        EXPECT_FALSE(IsCaseName(bad)) << bad;
}

}  // namespace
