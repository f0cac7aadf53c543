#include "rop_code_comment.h"

#include "rop_code.h"
#include "rop_low_word.h"
#include "rop_names.h"
#include "rop_shortest.h"
#include "rop_truth_table.h"

std::string RopNameOrRpn(std::uint8_t index) {
    const std::string_view name = GdiRopName(index);
    return name.empty() ? PublishedRopRpn(index) : std::string(name);
}

std::string FormatRopCodeWithComment(std::uint32_t code) {
    const std::uint8_t index = RopTruthTable::IndexOfCode(code);
    return FormatFullRopCode(code) + " /* " + RopNameOrRpn(index) + ": " +
           ShortestRopExpression(index).text + " */";
}
