#include <gtest/gtest.h>

#include "rop_code.h"

namespace {

TEST(RopCodeText, WrittenWithLowerCaseXAndUpperCaseDigitsWithoutLeadingZeros) {
    EXPECT_EQ(FormatRopCode(0x00CC0020), "0xCC0020");
    EXPECT_EQ(FormatRopCode(0x00000042), "0x42");
    EXPECT_EQ(FormatRopCode(0), "0x0");
    EXPECT_EQ(FormatRopCode(0xFFFFFFFF), "0xFFFFFFFF");
}

TEST(RopCodeText, PrefixesCaseAndWhiteSpaceAreAccepted) {
    for (const char* text : {"0xcc0020", "0XCC0020", "xCC0020", "XCC0020", "cc0020", " 0xCC0020",
                             "\t+cc0020", "0xCC0020 trailing"}) {
        const ParsedRopCode parsed = ParseRopCode(text);
        EXPECT_EQ(parsed.value, 0x00CC0020u) << text;
        EXPECT_TRUE(parsed.ok) << text;
    }
    EXPECT_EQ(ParseRopCode("0x0x12").value, 0x12u);
    EXPECT_EQ(ParseRopCode("12zz").value, 0x12u);
}

TEST(RopCodeText, TextWithoutDigitsIsZeroAndValid) {
    for (const char* text : {"", "hello", "0x", "x", "-", "   "}) {
        const ParsedRopCode parsed = ParseRopCode(text);
        EXPECT_EQ(parsed.value, 0u) << text;
        EXPECT_TRUE(parsed.ok) << text;
    }
}

TEST(RopCodeText, AllOnesOverflowAndMinusOneFail) {
    for (const char* text : {"ffffffff", "100000000", "-1", "0xFFFFFFFFFFFF", "x-1"}) {
        const ParsedRopCode parsed = ParseRopCode(text);
        EXPECT_EQ(parsed.value, 0xFFFFFFFFu) << text;
        EXPECT_FALSE(parsed.ok) << text;
    }
}

TEST(RopCodeText, OnlyTheFirst62CharactersCount) {
    const std::string zeros(61, '0');
    EXPECT_EQ(ParseRopCode(zeros + "5").value, 5u);
    EXPECT_EQ(ParseRopCode(zeros + "05").value, 0u) << "the 63rd character is cut off";
}

TEST(RopCodeText, RangeIsZeroToFfffffff) {
    EXPECT_TRUE(CheckRopCodeRange(0));
    EXPECT_TRUE(CheckRopCodeRange(0x00FFFFFF));
    EXPECT_FALSE(CheckRopCodeRange(0x01000000));
    EXPECT_FALSE(CheckRopCodeRange(ParseRopCode("-2").value));
    EXPECT_TRUE(ParseRopCode("0xCC0000").ok);
    EXPECT_EQ(FormatRopCodeBound(kRopCodeMin), "0");
    EXPECT_EQ(FormatRopCodeBound(kRopCodeMax), "ffffff");
}

}  // namespace
