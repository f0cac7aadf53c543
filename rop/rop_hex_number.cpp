#include "rop_hex_number.h"

#include <string>

#include "rop_text_chars.h"

ParsedRopHexNumber ParseRopHexNumber(std::string_view text, const RopHexNumberRules& rules) {
    const std::size_t first = HasRopHexPrefix(text) ? 2 : 0;
    if (first == text.size())
        return {
            RopParseResult::Failure(
                0, text.size(), "the " + std::string(rules.noun) + " has no hexadecimal digits"),
            0};
    std::uint64_t value = 0;  // wide enough that one more digit past the maximum cannot wrap
    for (std::size_t pos = first; pos < text.size(); ++pos) {
        const int digit = RopHexDigitValue(text[pos]);
        if (digit < 0)
            return {
                RopParseResult::Failure(pos, 1,
                                        DescribeRopTextChar(text[pos]) + " at " +
                                            RopTextPosition(pos) + " is not a hexadecimal digit"),
                0};
        value = value * 16 + static_cast<unsigned>(digit);
        if (value > rules.maximum)
            return {RopParseResult::Failure(pos, 1,
                                            "the " + std::string(rules.noun) + " is larger than " +
                                                std::string(rules.maximumText) + " at " +
                                                RopTextPosition(pos) + " (" +
                                                std::string(rules.range) + ")"),
                    0};
    }
    return {RopParseResult::Success(0), static_cast<std::uint32_t>(value)};
}
