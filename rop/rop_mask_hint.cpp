#include "rop_mask_hint.h"

#include "rop_names.h"
#include "rop_operands.h"
#include "rop_shortest.h"

namespace {

std::string OperationInWords(std::uint8_t index) {
    if (index == kRopDestination) return "the destination kept";
    if (index == kRopSource) return "the source";
    if (index == kRopPattern) return "the brush";
    const std::string_view name = GdiRopName(index);
    const std::string expression = ShortestRopExpression(index).text;
    return name.empty() ? expression : expression + " (" + std::string(name) + ")";
}

}  // namespace

std::string DescribeRopMaskBlt(std::uint8_t foreground, std::uint8_t background) {
    if (foreground == background)
        return "one operation everywhere: " + OperationInWords(foreground) +
               ", whatever the mask holds";
    const std::string split = OperationInWords(foreground) + " where the mask is 1, " +
                              OperationInWords(background) + " where it is 0";
    if (foreground == kRopSource && background == kRopDestination) return "a sprite: " + split;
    if (foreground == kRopDestination && background == kRopSource)
        return "a sprite through the inverted mask: " + split;
    return split;
}
