#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "rop_low_word.h"
#include "rop_rpn.h"
#include "rop_truth_table.h"

namespace {

struct ReferenceRow {
    unsigned index;
    std::uint32_t code;
    std::string rpn;
};

std::vector<ReferenceRow> ReadReferenceTable() {
    std::ifstream file(VELMAR_REFERENCE_DIR "/rop3-table.tsv");
    std::vector<ReferenceRow> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        ReferenceRow row{};
        fields >> std::hex >> row.index >> row.code >> row.rpn;
        if (fields) rows.push_back(row);
    }
    return rows;
}

bool EvaluatesTo(const std::string& rpn, unsigned index) {
    const RopParseResult result = EvaluateRopRpn(rpn);
    return result.ok && result.index == index;
}

}  // namespace

TEST(PublishedTable, CodeTableMatchesTheReferenceEntryForEntry) {
    const std::vector<ReferenceRow> rows = ReadReferenceTable();
    ASSERT_EQ(rows.size(), 256u) << "cannot read " VELMAR_REFERENCE_DIR "/rop3-table.tsv";
    for (unsigned i = 0; i < 256; ++i) {
        EXPECT_EQ(rows[i].index, i);
        EXPECT_EQ(rows[i].code, kRopCodeTable[i]) << "index " << i;
    }
}

// Checked against the operand bytes, not the file: a table entry whose low word says something
// else than its index would fail here even if the file had the same mistake.
TEST(PublishedTable, EveryLowWordEncodesAnRpnThatComputesItsIndex) {
    for (unsigned i = 0; i < 256; ++i) {
        const auto rpn = DecodeRopLowWord(RopLowWord(kRopCodeTable[i]));
        ASSERT_TRUE(rpn) << "index " << i;
        EXPECT_TRUE(EvaluatesTo(*rpn, i)) << "index " << i << ": " << *rpn;
        EXPECT_TRUE(EvaluatesTo(PublishedRopRpn(static_cast<std::uint8_t>(i)), i)) << i;
    }
}

TEST(PublishedTable, DecodedSpellingIsThePublishedRpn) {
    const std::vector<ReferenceRow> rows = ReadReferenceTable();
    ASSERT_EQ(rows.size(), 256u);
    for (const ReferenceRow& row : rows) {
        EXPECT_EQ(PublishedRopRpn(static_cast<std::uint8_t>(row.index)), row.rpn);
        // The table writes the constant operations as constants; their words still encode RPN.
        const auto decoded = DecodeRopLowWord(RopLowWord(row.code));
        ASSERT_TRUE(decoded);
        if (row.rpn == "0" || row.rpn == "1") {
            EXPECT_TRUE(EvaluatesTo(*decoded, row.index)) << *decoded;
        } else {
            EXPECT_EQ(*decoded, row.rpn);
        }
    }
}

TEST(LowWord, CodesWithAnotherIndexsLowWordAreFlagged) {
    for (std::uint32_t i = 0; i < 256; ++i) {
        EXPECT_TRUE(HasPublishedLowWord(kRopCodeTable[i]));
        for (const std::uint32_t other : {i ^ 0x01, i ^ 0x80, (i + 0x33) & 0xFF}) {
            const std::uint32_t code = (i << 16) | RopLowWord(kRopCodeTable[other]);
            EXPECT_FALSE(HasPublishedLowWord(code)) << std::hex << code;
        }
    }
}

TEST(LowWord, EveryWordEncodesAWellFormedRpnOrNothing) {
    for (std::uint32_t word = 0; word <= 0xFFFF; ++word) {
        const auto rpn = DecodeRopLowWord(static_cast<std::uint16_t>(word));
        const unsigned pattern = (word >> 2) & 7;
        if (pattern == 3 || pattern == 4) {
            EXPECT_FALSE(rpn) << std::hex << word;
        } else if (rpn) {
            EXPECT_TRUE(EvaluateRopRpn(*rpn).ok) << std::hex << word << ": " << *rpn;
        }
    }
    // Template SSP*DS from its third letter puts a binary operator after a single operand.
    EXPECT_FALSE(DecodeRopLowWord(2 | (5 << 2) | (1 << 6)));
    EXPECT_EQ(DecodeRopLowWord(0x000D), std::nullopt);
}
