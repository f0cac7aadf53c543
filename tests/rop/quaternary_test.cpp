#include <gtest/gtest.h>

#include "rop_code.h"
#include "rop_quaternary.h"

TEST(Quaternary, MakeRop4PutsTheBackgroundIndexOnTopAndReadsBackAsC) {
    const struct {
        std::uint32_t foreground, background, code;
        const char* asC;
    } cases[] = {
        {0x00CC0020, 0x00AA0029, 0xAACC0020, "MAKEROP4(SRCCOPY, 0x00AA0029)"},
        {0x00AA0029, 0x00CC0020, 0xCCAA0029, "MAKEROP4(0x00AA0029, SRCCOPY)"},
        {0x00CC0020, 0x00CC0020, 0xCCCC0020, "MAKEROP4(SRCCOPY, SRCCOPY)"},
        {0x00000042, 0x00FF0062, 0xFF000042, "MAKEROP4(BLACKNESS, WHITENESS)"},
        {0x00E20746, 0x00660046, 0x66E20746, "MAKEROP4(0x00E20746, SRCINVERT)"},
        // Only the background's index counts; the foreground's low word is kept as given.
        {0x00CC0000, 0x00AA1234, 0xAACC0000, "MAKEROP4(0x00CC0000, 0x00AA0029)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MakeRop4(c.foreground, c.background), c.code) << c.asC;
        EXPECT_EQ(Rop4ForegroundIndex(c.code), (c.foreground >> 16) & 0xFF) << c.asC;
        EXPECT_EQ(Rop4BackgroundIndex(c.code), (c.background >> 16) & 0xFF) << c.asC;
        EXPECT_EQ(FormatMakeRop4(c.code), c.asC);
        const ParsedRopHexNumber parsed = ParseRop4Code(FormatFullRopCode(c.code));
        EXPECT_TRUE(parsed.status.ok) << parsed.status.error;
        EXPECT_EQ(parsed.value, c.code) << c.asC;
    }
    // Rows 1 to 8 have M = 0 (the background, D here), rows 9 to 16 M = 1 (SRCCOPY, S).
    std::string rows;
    for (int row = 1; row <= 16; ++row) rows += Rop4RowResult(0xAACC0020, row) ? '1' : '0';
    EXPECT_EQ(rows, "0101010100110011");
    EXPECT_TRUE(HasUsualRop4LowWord(0xAACC0020));
    EXPECT_TRUE(HasUsualRop4LowWord(0xAACC0000));
    EXPECT_FALSE(HasUsualRop4LowWord(0xAACC0029));  // the background's low word
}

TEST(Quaternary, CodeTextIsHexadecimalOf32BitsAtMost) {
    EXPECT_EQ(ParseRop4Code("aacc0020").value, 0xAACC0020u);
    EXPECT_EQ(ParseRop4Code("0x00000000FFFFFFFF").value, 0xFFFFFFFFu);
    const struct {
        const char* text;
        std::size_t offset, length;
        const char* error;
    } refused[] = {
        {"", 0, 0, "the code has no hexadecimal digits"},
        {"0x", 0, 2, "the code has no hexadecimal digits"},
        {"0x1AACC0020", 10, 1,
         "the code is larger than FFFFFFFF at position 11 (a MaskBlt code is 32 bits)"},
        {"AACC002G", 7, 1, "'G' at position 8 is not a hexadecimal digit"},
        {"-1", 0, 1, "'-' at position 1 is not a hexadecimal digit"},
    };
    for (const auto& c : refused) {
        const RopParseResult status = ParseRop4Code(c.text).status;
        EXPECT_FALSE(status.ok) << c.text;
        EXPECT_EQ(status.errorOffset, c.offset) << c.text;
        EXPECT_EQ(status.errorLength, c.length) << c.text;
        EXPECT_EQ(status.error, c.error);
    }
}
