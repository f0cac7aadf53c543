#include "rop_quaternary.h"

#include "rop_code.h"
#include "rop_low_word.h"
#include "rop_names.h"
#include "rop_truth_table.h"

namespace {

std::string HalfAsC(std::uint32_t halfCode) {
    const std::uint8_t index = RopTruthTable::IndexOfCode(halfCode);
    const std::string_view name = GdiRopName(index);
    if (!name.empty() && kRopCodeTable[index] == halfCode) return std::string(name);
    return FormatFullRopCode(halfCode);
}

}  // namespace

bool HasUsualRop4LowWord(std::uint32_t code) {
    const std::uint16_t lowWord = RopLowWord(code);
    return lowWord == 0 || lowWord == RopLowWord(kRopCodeTable[Rop4ForegroundIndex(code)]);
}

std::string FormatMakeRop4(std::uint32_t code) {
    const std::uint32_t foreground = code & 0x00FFFFFFu;
    const std::uint32_t background = kRopCodeTable[Rop4BackgroundIndex(code)];
    return "MAKEROP4(" + HalfAsC(foreground) + ", " + HalfAsC(background) + ")";
}

bool Rop4RowResult(std::uint32_t code, int row) {
    const std::uint8_t half = row > 8 ? Rop4ForegroundIndex(code) : Rop4BackgroundIndex(code);
    return ((half >> ((row - 1) & 7)) & 1) != 0;
}

ParsedRopHexNumber ParseRop4Code(std::string_view text) {
    constexpr RopHexNumberRules kRop4Rules = {"code", 0xFFFFFFFFu, "FFFFFFFF",
                                              "a MaskBlt code is 32 bits"};
    return ParseRopHexNumber(text, kRop4Rules);
}
