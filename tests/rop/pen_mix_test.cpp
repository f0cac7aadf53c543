#include <gtest/gtest.h>

#include <string>

#include "lower_text.h"
#include "rop_expression.h"
#include "rop_low_word.h"
#include "rop_pen_mix.h"
#include "rop_pen_mix_reader.h"
#include "rop_shortest.h"

// The names in code order with each mix's published function of P and D.
TEST(PenMix, EveryMixByCodeAndNameWithItsTernaryTwin) {
    const struct {
        const char* name;
        const char* function;
    } mixes[] = {
        {"R2_BLACK", "0"},
        {"R2_NOTMERGEPEN", "~(P | D)"},
        {"R2_MASKNOTPEN", "~P & D"},
        {"R2_NOTCOPYPEN", "~P"},
        {"R2_MASKPENNOT", "P & ~D"},
        {"R2_NOT", "~D"},
        {"R2_XORPEN", "P ^ D"},
        {"R2_NOTMASKPEN", "~(P & D)"},
        {"R2_MASKPEN", "P & D"},
        {"R2_NOTXORPEN", "~(P ^ D)"},
        {"R2_NOP", "D"},
        {"R2_MERGENOTPEN", "~P | D"},
        {"R2_COPYPEN", "P"},
        {"R2_MERGEPENNOT", "P | ~D"},
        {"R2_MERGEPEN", "P | D"},
        {"R2_WHITE", "1"},
    };
    int mix = 0;
    for (const auto& m : mixes) {
        ++mix;
        EXPECT_EQ(RopPenMixName(mix), m.name);
        EXPECT_EQ(RopPenMixOfName(m.name), mix);
        EXPECT_EQ(RopPenMixOfName(Lower(m.name)), mix);
        const std::uint8_t twin = EvaluateRopExpression(m.function).index;  // on 0xF0 and 0xAA
        EXPECT_EQ(RopPenMixTwin(mix), twin) << m.name;
        EXPECT_EQ(RopPenMixOfIndex(twin), mix) << m.name;
        // The twin's RPN and shortest expression read P and D only, and read back as the mix;
        // all but the constants, since a number is always read as a mix's code.
        for (const std::string& form :
             {PublishedRopRpn(twin), ShortestRopExpression(twin).text, std::string(m.function)}) {
            EXPECT_EQ(form.find('S'), std::string::npos) << m.name << ": " << form;
            if (form != "0" && form != "1") {
                EXPECT_EQ(ReadRopPenMix(form).mix, mix) << m.name << ": " << form;
            }
        }
    }
    EXPECT_EQ(RopPenMixTwin(7), 0x5A);
    EXPECT_EQ(FormatRopPenMixRows(13), "0011");
    EXPECT_EQ(FormatRopPenMixRows(5), "0010");
    EXPECT_EQ(RopPenMixName(0), "");
    EXPECT_EQ(RopPenMixName(17), "");
    int sourceFree = 0;
    for (int index = 0; index < 256; ++index)
        sourceFree += RopPenMixOfIndex(static_cast<std::uint8_t>(index)).has_value();
    EXPECT_EQ(sourceFree, 16);
}
