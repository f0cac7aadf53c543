#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "rop_names.h"
#include "rop_truth_table.h"

#ifdef _WIN32
#include <windows.h>
#endif

TEST(GdiNames, NameExactlyTheCodesWingdiDefines) {
    const struct {
        const char* name;
        std::uint32_t code;
    } wingdi[] = {
        {"SRCCOPY", 0x00CC0020},     {"SRCPAINT", 0x00EE0086},  {"SRCAND", 0x008800C6},
        {"SRCINVERT", 0x00660046},   {"SRCERASE", 0x00440328},  {"NOTSRCCOPY", 0x00330008},
        {"NOTSRCERASE", 0x001100A6}, {"MERGECOPY", 0x00C000CA}, {"MERGEPAINT", 0x00BB0226},
        {"PATCOPY", 0x00F00021},     {"PATPAINT", 0x00FB0A09},  {"PATINVERT", 0x005A0049},
        {"DSTINVERT", 0x00550009},   {"BLACKNESS", 0x00000042}, {"WHITENESS", 0x00FF0062},
    };
    int named = 0;
    for (unsigned index = 0; index < 256; ++index)
        named += !GdiRopName(static_cast<std::uint8_t>(index)).empty();
    EXPECT_EQ(named, 15);
    for (const auto& entry : wingdi) {
        EXPECT_EQ(std::string(GdiRopName(RopTruthTable::IndexOfCode(entry.code))), entry.name);
        EXPECT_EQ(kRopCodeTable[RopTruthTable::IndexOfCode(entry.code)], entry.code);
    }
#ifdef _WIN32
    EXPECT_EQ(GdiRopName(RopTruthTable::IndexOfCode(MERGEPAINT)), "MERGEPAINT");
    EXPECT_EQ(kRopCodeTable[RopTruthTable::IndexOfCode(PATPAINT)], PATPAINT);
#endif
}
