#include "rop_index_text.h"

#include <cstdio>

#include "rop_truth_table.h"

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string Position(std::size_t offset) { return "position " + std::to_string(offset + 1); }

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

RopParseResult ParseRopRows(std::string_view text) {
    RopTruthTable::Results results{};
    int rows = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsSpace(c)) continue;
        if (c != '0' && c != '1')
            return RopParseResult::Failure(
                pos,
                "row results are 0 or 1, not " + DescribeRopTextChar(c) + " at " + Position(pos));
        if (rows == 8)
            return RopParseResult::Failure(
                pos, "there are 8 rows, but a ninth result follows at " + Position(pos));
        results[rows++] = c == '1';
    }
    if (rows < 8)
        return RopParseResult::Failure(text.size(),
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
    std::size_t pos = 0;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) pos = 2;
    if (pos == text.size())
        return RopParseResult::Failure(pos, "the index has no hexadecimal digits");
    unsigned value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = HexDigitValue(text[pos]);
        if (digit < 0)
            return RopParseResult::Failure(pos, DescribeRopTextChar(text[pos]) + " at " +
                                                    Position(pos) + " is not a hexadecimal digit");
        value = value * 16 + static_cast<unsigned>(digit);
        if (value > 0xFF)
            return RopParseResult::Failure(pos, "the index is larger than FF at " + Position(pos) +
                                                    " (an operation index is one byte, 00 to FF)");
    }
    return RopParseResult::Success(static_cast<std::uint8_t>(value));
}

std::string FormatRopIndex(std::uint8_t index) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(index));
    return text;
}
