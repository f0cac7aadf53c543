#include <gtest/gtest.h>

#include "rop_mask_entry.h"
#include "rop_mask_hint.h"

namespace {

TEST(RopMaskBackground, ReadsWhatTheExpressionFieldReadsAndNumbersAfter0x) {
    const struct {
        const char* text;
        RopInputKind kind;
        int index;  // -1: a fault
        bool givenCode;
    } cases[] = {
        {"D", RopInputKind::Rpn, 0xAA, false},       // the destination, not the code 0xD
        {"0xAA", RopInputKind::Index, 0xAA, false},  // two digits: an index
        {" 0x5 ", RopInputKind::Index, 0x05, false},
        {"0x00AA0029", RopInputKind::Code, 0xAA, true},  // more: a whole code
        {"0xCC0000", RopInputKind::Code, 0xCC, true},    // as typed, low word and all
        {"0x1000000", RopInputKind::Code, -1, false},    // out of range, as in Hex
        {"~D", RopInputKind::Expression, 0x55, false},
        {"srccopy", RopInputKind::Name, 0xCC, false},
        {"0xZZ", RopInputKind::Name, -1, false},  // no number: an unknown name
        {"", RopInputKind::Expression, -1, false},
    };
    for (const auto& c : cases) {
        const RopReading reading = ReadRopMaskBackground(c.text);
        EXPECT_EQ(reading.kind, c.kind) << c.text;
        EXPECT_EQ(reading.result.ok, c.index >= 0) << c.text;
        if (c.index >= 0) {
            EXPECT_EQ(reading.result.index, c.index) << c.text;
        }
        EXPECT_EQ(reading.givenCode.has_value(), c.givenCode) << c.text;
    }
}

TEST(RopMaskHint, NamesTheEverydayRecipesAndOtherwiseBothHalves) {
    EXPECT_EQ(DescribeRopMaskBlt(0xCC, 0xAA),
              "a sprite: the source where the mask is 1, the destination kept where it is 0");
    EXPECT_EQ(DescribeRopMaskBlt(0xAA, 0xCC),
              "a sprite through the inverted mask: the destination kept where the mask is 1, the "
              "source where it is 0");
    EXPECT_EQ(DescribeRopMaskBlt(0x66, 0x66),
              "one operation everywhere: S ^ D (SRCINVERT), whatever the mask holds");
    EXPECT_EQ(DescribeRopMaskBlt(0xE2, 0x00),
              "D ^ (S & (P ^ D)) where the mask is 1, 0 (BLACKNESS) where it is 0");
}

}  // namespace
