#include <gtest/gtest.h>

#include "rop_code_comment.h"
#include "rop_operand_use.h"
#include "rop_truth_table.h"

namespace {

// Whether flipping one operand changes any row's result, found by walking the truth table.
bool ChangesWithOperand(std::uint8_t index, int operand) {
    const RopTruthTable::Results results = RopTruthTable::ResultsFromIndex(index);
    for (int row = 1; row <= 8; ++row) {
        const int partner = ((row - 1) ^ (4 >> operand)) + 1;  // operand 0 P, 1 S, 2 D
        if (results[row - 1] != results[partner - 1]) return true;
    }
    return false;
}

}  // namespace

TEST(RopMeaning, OperandsUsedWithWhatTheyAllow) {
    const struct {
        std::uint8_t index;
        const char* uses;
    } cases[] = {
        {0xE2, "P S D"},
        {0xC0, "P S"},
        {0xCC, "S - no brush needed"},
        {0x88, "S D - no brush needed"},
        {0x5A, "P D - no source needed, PatBlt will do; as a pen: R2_XORPEN"},
        {0xF0, "P - no source needed, PatBlt will do; as a pen: R2_COPYPEN"},
        {0x55, "D - no source or brush needed, PatBlt will do; as a pen: R2_NOT"},
        {0x00, "none - no source or brush needed, PatBlt will do; as a pen: R2_BLACK"},
        {0xFF, "none - no source or brush needed, PatBlt will do; as a pen: R2_WHITE"},
    };
    for (const auto& c : cases) EXPECT_EQ(DescribeRopOperandUse(c.index), c.uses);
    for (int index = 0; index < 256; ++index) {
        const RopOperandUse use = RopOperandsUsed(static_cast<std::uint8_t>(index));
        EXPECT_EQ(use.pattern, ChangesWithOperand(static_cast<std::uint8_t>(index), 0)) << index;
        EXPECT_EQ(use.source, ChangesWithOperand(static_cast<std::uint8_t>(index), 1)) << index;
        EXPECT_EQ(use.destination, ChangesWithOperand(static_cast<std::uint8_t>(index), 2))
            << index;
    }
}

TEST(RopMeaning, CopiedCodeCarriesItsNameOrRpnAndShortestExpression) {
    EXPECT_EQ(FormatRopCodeWithComment(0x00E20746), "0x00E20746 /* DSPDxax: D ^ (S & (P ^ D)) */");
    EXPECT_EQ(FormatRopCodeWithComment(0x00CC0020), "0x00CC0020 /* SRCCOPY: S */");
    EXPECT_EQ(FormatRopCodeWithComment(0x00000042), "0x00000042 /* BLACKNESS: 0 */");
    EXPECT_EQ(FormatRopCodeWithComment(0x00220326), "0x00220326 /* DSna: D & ~S */");
    // Written as given: a stray low word stays, the index decides the comment.
    EXPECT_EQ(FormatRopCodeWithComment(0x00CC0000), "0x00CC0000 /* SRCCOPY: S */");
}
