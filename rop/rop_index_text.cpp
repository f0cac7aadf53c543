#include "rop_index_text.h"

#include "rop_hex_number.h"
#include "rop_text_chars.h"
#include "rop_truth_table.h"

RopParseResult ParseRopRows(std::string_view text) {
    RopTruthTable::Results results{};
    int rows = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsRopSpace(c)) continue;
        if (c != '0' && c != '1')
            return RopParseResult::Failure(pos, 1,
                                           "row results are 0 or 1, not " + DescribeRopTextChar(c) +
                                               " at " + RopTextPosition(pos));
        if (rows == 8)
            return RopParseResult::Failure(
                pos, 1, "there are 8 rows, but a ninth result follows at " + RopTextPosition(pos));
        results[rows++] = c == '1';
    }
    // Too few results: the whole column is what falls short.
    if (rows < 8)
        return RopParseResult::Failure(0, text.size(),
                                       "there are 8 rows, but only " + std::to_string(rows) +
                                           (rows == 1 ? " result is" : " results are") + " given");
    return RopParseResult::Success(RopTruthTable::IndexFromResults(results));
}

std::string FormatRopRows(std::uint8_t index) {
    std::string text;
    for (const bool result : RopTruthTable::ResultsFromIndex(index)) text += result ? '1' : '0';
    return text;
}

RopParseResult ParseRopIndex(std::string_view text) {
    constexpr RopHexNumberRules kIndexRules = {"index", 0xFF, "FF",
                                               "an operation index is one byte, 00 to FF"};
    const ParsedRopHexNumber parsed = ParseRopHexNumber(text, kIndexRules);
    if (!parsed.status.ok) return parsed.status;
    return RopParseResult::Success(static_cast<std::uint8_t>(parsed.value));
}

std::string FormatRopIndex(std::uint8_t index) { return "0x" + FormatRopHexDigits(index, 2); }
