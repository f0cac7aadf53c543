#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "lower_text.h"
#include "rop_names.h"
#include "rop_pen_mix.h"
#include "rop_pen_mix_reader.h"
#include "rop_reader.h"
#include "rop_text_chars.h"

namespace {

using Kind = RopInputKind;

// The 15 ternary names and the 16 pen mixes, as <wingdi.h> spells them.
std::vector<std::string> AllGdiNames() {
    std::vector<std::string> names;
    for (int index = 0; index < 256; ++index)
        if (!GdiRopName(static_cast<std::uint8_t>(index)).empty())
            names.emplace_back(GdiRopName(static_cast<std::uint8_t>(index)));
    for (int mix = kRopPenMixFirst; mix <= kRopPenMixLast; ++mix)
        names.emplace_back(RopPenMixName(mix));
    return names;
}

}  // namespace

TEST(RopReader, EveryGdiNameIsReadInAnyCaseAndClashesWithNoOtherForm) {
    const std::vector<std::string> names = AllGdiNames();
    ASSERT_EQ(names.size(), 31u);
    for (const std::string& name : names) {
        const std::uint8_t index = *RopIndexOfName(name);
        for (const std::string& typed : {name, Lower(name), " " + Lower(name) + "\t"}) {
            for (const Kind kind : {Kind::Auto, Kind::Field, Kind::Name}) {
                const RopReading reading = ReadRopOperation(kind, typed);
                EXPECT_EQ(reading.kind, Kind::Name) << typed;
                EXPECT_TRUE(reading.result.ok) << typed << ": " << reading.result.error;
                EXPECT_EQ(reading.result.index, index) << typed;
            }
            // Neither hexadecimal digits (a code) nor RPN symbols only, in either case.
            EXPECT_FALSE(std::all_of(typed.begin(), typed.end(), IsRopHexDigit)) << typed;
            EXPECT_FALSE(std::all_of(typed.begin(), typed.end(), IsRopRpnSymbol)) << typed;
        }
    }
    EXPECT_EQ(RopIndexOfName("R2_XORPEN"), 0x5A);
    EXPECT_EQ(RopIndexOfName("srcCopy"), 0xCC);
    EXPECT_EQ(RopIndexOfName("SRCCOPY2"), std::nullopt);
}

TEST(RopReader, BareArgumentAndFieldTellTheFormsApart) {
    const struct {
        Kind kind;
        const char* text;
        Kind readAs;
        int index;  // -1: refused
    } cases[] = {
        {Kind::Auto, "D", Kind::Code, 0x00},
        {Kind::Auto, "DDa", Kind::Code, 0x00},
        {Kind::Auto, "DSa", Kind::Rpn, 0x88},
        {Kind::Auto, "S&D", Kind::Expression, 0x88},
        {Kind::Auto, "SrcAnd", Kind::Name, 0x88},
        {Kind::Auto, "DSPq", Kind::Rpn, -1},
        {Kind::Auto, "SRCCPY", Kind::Name, -1},
        {Kind::Auto, "", Kind::Rpn, -1},
        {Kind::Auto, "x", Kind::Rpn, -1},
        {Kind::Field, "D", Kind::Rpn, 0xAA},
        {Kind::Field, "DDa", Kind::Rpn, 0xAA},
        {Kind::Field, " D S a ", Kind::Rpn, 0x88},
        {Kind::Field, "(D)", Kind::Expression, 0xAA},
        {Kind::Field, "0xCC0020", Kind::Name, -1},
        {Kind::Field, "P + D", Kind::Expression, -1},
        {Kind::Field, "", Kind::Expression, -1},
        {Kind::Field, "r2_not", Kind::Name, 0x55},
        {Kind::Index, "CC", Kind::Index, 0xCC},
    };
    for (const auto& c : cases) {
        const RopReading reading = ReadRopOperation(c.kind, c.text);
        EXPECT_EQ(reading.kind, c.readAs) << c.text;
        EXPECT_EQ(reading.result.ok, c.index >= 0) << c.text << ": " << reading.result.error;
        if (c.index >= 0) {
            EXPECT_EQ(reading.result.index, c.index) << c.text;
        }
    }
    EXPECT_EQ(ReadRopOperation(Kind::Auto, "0x00E20749").givenCode, 0x00E20749u);
}

TEST(RopReader, FaultsSelectTheWordOrTheWholeText) {
    const struct {
        Kind kind;
        const char* text;
        std::size_t offset, length;
        const char* error;
    } cases[] = {
        {Kind::Field, "  SRCCPY ", 2, 6,
         "unknown name 'SRCCPY' at position 3 (GDI names such as SRCCOPY or R2_XORPEN, any "
         "letter case)"},
        {Kind::Auto, "R2_XORPN", 0, 8, "unknown name 'R2_XORPN' at position 1"},
        {Kind::Rpn, "srccopy", 0, 7, "'srccopy' at position 1 is a GDI name; RPN has no names"},
        {Kind::Field, "", 0, 0, "the expression is empty"},
        {Kind::Name, " ", 0, 1, "the name is empty"},
        {Kind::Code, "-1", 0, 2, "Please enter an integer."},
        {Kind::Code, "1000000", 0, 7, "Please enter an integer between 0 and ffffff."},
    };
    for (const auto& c : cases) {
        const RopParseResult result = ReadRopOperation(c.kind, c.text).result;
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.errorOffset, c.offset) << c.text;
        EXPECT_EQ(result.errorLength, c.length) << c.text;
        EXPECT_EQ(result.error.compare(0, std::string(c.error).size(), c.error), 0)
            << c.text << ": " << result.error;
    }
}

TEST(RopPenMixReader, NumbersNamesAndSourceFreeOperations) {
    const struct {
        const char* text;
        Kind readAs;
        int mix;
    } accepted[] = {
        {"13", Kind::Code, 13},         {" 007 ", Kind::Code, 7},
        {"r2_XorPen", Kind::Name, 7},   {"PATINVERT", Kind::Name, 7},
        {"blackness", Kind::Name, 1},   {"DSTINVERT", Kind::Name, 6},
        {"P ^ D", Kind::Expression, 7}, {"DPx", Kind::Rpn, 7},
        {"D", Kind::Rpn, 11},           {"~(P & D)", Kind::Expression, 8},
        {"1", Kind::Code, 1},
    };
    for (const auto& c : accepted) {
        const RopPenMixReading reading = ReadRopPenMix(c.text);
        EXPECT_TRUE(reading.result.ok) << c.text << ": " << reading.result.error;
        EXPECT_EQ(reading.kind, c.readAs) << c.text;
        EXPECT_EQ(reading.mix, c.mix) << c.text;
        EXPECT_EQ(reading.result.index, RopPenMixTwin(c.mix)) << c.text;
    }
    const struct {
        const char* text;
        std::size_t offset, length;
        const char* says;
    } refused[] = {
        {"0", 0, 1, "'0' at position 1 is no pen-mix code, which is 1 (R2_BLACK) to 16"},
        {"17", 0, 2, "no pen-mix code"},
        {"99999999999999999999999", 0, 23, "no pen-mix code"},
        {"P & S", 4, 1, "a pen mix has no source, but 'S' is at position 5"},
        {"DSx", 1, 1, "a pen mix has no source, but 'S' is at position 2"},
        {" SrcCopy", 1, 7, "a pen mix has no source, but 'SrcCopy' at position 2 reads one"},
        {"R2_XORPN", 0, 8, "unknown name 'R2_XORPN'"},
        {"P & Q", 4, 1, "unknown operand 'Q'"},
    };
    for (const auto& c : refused) {
        const RopParseResult result = ReadRopPenMix(c.text).result;
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.errorOffset, c.offset) << c.text;
        EXPECT_EQ(result.errorLength, c.length) << c.text;
        EXPECT_NE(result.error.find(c.says), std::string::npos) << c.text << ": " << result.error;
    }
}
