#include <gtest/gtest.h>

#include <random>
#include <string>

#include "rop_expression.h"
#include "rop_index_text.h"
#include "rop_rpn.h"

namespace {

using Parser = RopParseResult (*)(std::string_view);

struct Accepted {
    Parser parse;
    const char* text;
    unsigned index;
};

struct Refused {
    Parser parse;
    const char* text;
    std::size_t offset;  // with length: the part a window selects
    std::size_t length;
    const char* says;  // a part of the message
};

constexpr Parser kRpn = EvaluateRopRpn;
constexpr Parser kExpr = EvaluateRopExpression;
constexpr Parser kRows = ParseRopRows;
constexpr Parser kIndex = ParseRopIndex;

}  // namespace

TEST(Parsers, ComputeTheIndex) {
    const Accepted cases[] = {
        {kRpn, "P", 0xF0},
        {kRpn, "S", 0xCC},
        {kRpn, "D", 0xAA},
        {kRpn, "0", 0x00},
        {kRpn, "1", 0xFF},
        {kRpn, "DSPDxax", 0xE2},
        {kRpn, "PSaDSnao", 0xE2},
        {kRpn, "Dnn", 0xAA},
        {kRpn, "D S a", 0x88},
        {kRpn, "1Px", 0x0F},
        {kRpn, "SSPxDSxaxn", 0x17},
        {kExpr, "P | S & D", 0xF8},  // C precedence: & before ^ before |, ~ tightest
        {kExpr, "P ^ S & D", 0x78},
        {kExpr, "P | S ^ D", 0xF6},
        {kExpr, "P & S | D & ~S", 0xE2},
        {kExpr, "(P | S) & D", 0xA8},
        {kExpr, "~P & S", 0x0C},
        {kExpr, "~!~P", 0x0F},
        {kExpr, "1 ^ P", 0x0F},
        {kExpr, "\t( ( P ) )\n", 0xF0},
        {kRows, "01000111", 0xE2},
        {kRows, "0100 0111", 0xE2},
        {kRows, "10000000", 0x01},
        {kIndex, "E2", 0xE2},
        {kIndex, "0xe2", 0xE2},
        {kIndex, "00E2", 0xE2},
    };
    for (const Accepted& c : cases) {
        const RopParseResult result = c.parse(c.text);
        EXPECT_TRUE(result.ok) << c.text << ": " << result.error;
        EXPECT_EQ(result.index, c.index) << c.text;
    }
}

TEST(Parsers, NameWhatIsWrongAndWhere) {
    const Refused cases[] = {
        {kRpn, "", 0, 0, "the RPN is empty"},
        {kRpn, " \t", 0, 2, "the RPN is empty"},
        {kRpn, "a", 0, 1, "'a' at position 1 needs two operands, but none"},
        {kRpn, "Dx", 1, 1, "'x' at position 2 needs two operands, but only one"},
        {kRpn, "n", 0, 1, "'n' at position 1 has no operand"},
        {kRpn, "DSPa", 0, 1,
         "2 values are left at the end of the RPN: the one starting at position 1"},
        {kRpn, "DSq", 2, 1, "unknown symbol 'q' at position 3"},
        {kRpn, "DS\xff", 2, 1, "unknown symbol \\xFF at position 3"},
        {kExpr, " \t", 0, 2, "the expression is empty"},
        {kExpr, "((P) & S", 0, 1, "'(' at position 1 is never closed"},
        {kExpr, "P & S)", 5, 1, "')' at position 6 has no matching '('"},
        {kExpr, "P & Q", 4, 1, "unknown operand 'Q' at position 5"},
        {kExpr, "P & Qx_1 | D", 4, 4, "unknown operand 'Qx_1' at position 5"},
        {kExpr, "p", 0, 1, "unknown operand 'p'"},
        {kExpr, "P & SRCPAINT", 4, 8,
         "'SRCPAINT' at position 5 is a GDI name; an expression has no names"},
        {kExpr, "~r2_xorpen", 1, 9, "'r2_xorpen' at position 2 is a GDI name"},
        // The operator that lacks its operand is what a window selects, not the end of the text.
        {kExpr, "P &", 2, 1, "ends at position 4 where an operand is expected"},
        {kExpr, "P ^ ( ", 4, 1, "ends at position 7 where an operand is expected"},
        {kExpr, "~", 0, 1, "ends at position 2"},
        {kExpr, "P && S", 3, 1, "'&' at position 4 comes where an operand is expected"},
        {kExpr, "()", 1, 1, "')' at position 2 comes where an operand is expected"},
        {kExpr, "P S", 2, 1, "an operator is missing before 'S' at position 3"},
        {kExpr, "PS", 1, 1, "an operator is missing before 'S' at position 2"},
        {kExpr, "(P S)", 3, 1, "an operator is missing before 'S'"},
        {kExpr, "P + \x80", 2, 1, "unexpected '+' at position 3"},
        {kRows, "0100011", 0, 7, "only 7 results"},
        {kRows, "010001110", 8, 1, "a ninth result follows at position 9"},
        {kRows, "0100 2111", 5, 1, "not '2' at position 6"},
        {kIndex, "0x", 0, 2, "no hexadecimal digits"},
        {kIndex, " E2", 0, 1, "' ' at position 1 is not a hexadecimal digit"},
        {kIndex, "0x1FF", 4, 1, "larger than FF"},
    };
    for (const Refused& c : cases) {
        const RopParseResult result = c.parse(c.text);
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.errorOffset, c.offset) << c.text;
        EXPECT_EQ(result.errorLength, c.length) << c.text;
        EXPECT_NE(result.error.find(c.says), std::string::npos) << c.text << ": " << result.error;
    }
}

TEST(Parsers, MegabyteTextsNeitherOverflowNorHang) {
    const RopParseResult opens = EvaluateRopExpression(std::string(1 << 20, '('));
    EXPECT_EQ(opens.errorOffset, kRopExpressionMaxNesting);
    EXPECT_NE(opens.error.find("nested more than 256"), std::string::npos) << opens.error;
    const std::string deepest(kRopExpressionMaxNesting, '(');
    EXPECT_TRUE(EvaluateRopExpression(deepest + "P" + std::string(deepest.size(), ')')).ok);
    // A run of nots is no nesting at all, however long.
    EXPECT_EQ(EvaluateRopExpression(std::string((1 << 20) + 1, '~') + "P").index, 0x0F);
    EXPECT_FALSE(EvaluateRopRpn(std::string(1 << 20, 'P')).ok);
    // A megabyte word is selected whole, but the message quotes only its start.
    const RopParseResult word = EvaluateRopExpression("P & " + std::string(1 << 20, 'Q'));
    EXPECT_EQ(word.errorLength, std::size_t{1} << 20);
    EXPECT_LT(word.error.size(), 120u) << word.error;
}

TEST(Parsers, RandomBytesGiveAResultOrOnePrintablePlacedError) {
    // Mostly the symbols the parsers know, so the texts get past the first character.
    const std::string symbols = "PSD01aoxn~!&^|() \tpq";
    std::mt19937 random(20240607);
    int accepted = 0;
    for (int i = 0; i < 30000; ++i) {
        std::string text(random() % 48, '\0');
        for (char& c : text)
            c = random() % 4 == 0 ? static_cast<char>(random() % 256)
                                  : symbols[random() % symbols.size()];
        for (const Parser parse : {kRpn, kExpr, kRows, kIndex}) {
            const RopParseResult result = parse(text);
            accepted += result.ok;
            if (result.ok) continue;
            EXPECT_LE(result.errorOffset + result.errorLength, text.size()) << text;
            EXPECT_EQ(result.errorLength == 0, text.empty()) << text;
            for (const char c : result.error) ASSERT_TRUE(c >= 0x20 && c < 0x7F) << result.error;
        }
    }
    EXPECT_GT(accepted, 100);  // or the fuzz only ever tests the first error
}
