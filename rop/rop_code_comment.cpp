#include "rop_code_comment.h"

#include "rop_code.h"
#include "rop_low_word.h"
#include "rop_names.h"
#include "rop_shortest.h"
#include "rop_truth_table.h"

std::string FormatRopCodeWithComment(std::uint32_t code) {
    const std::uint8_t index = RopTruthTable::IndexOfCode(code);
    const std::string_view name = GdiRopName(index);
    const std::string label = name.empty() ? PublishedRopRpn(index) : std::string(name);
    return FormatFullRopCode(code) + " /* " + label + ": " + ShortestRopExpression(index).text +
           " */";
}
