#include "rop_code.h"

#include "rop_text_chars.h"

namespace {

// strtoul(text, nullptr, 16) on a 32-bit unsigned long, without needing a terminated buffer.
std::uint32_t StrToULongBase16(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsRopSpace(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    // A "0x" counts as a prefix only when a hex digit follows; otherwise the "0" is the number.
    if (HasRopHexPrefix(text.substr(pos)) && pos + 2 < text.size() && IsRopHexDigit(text[pos + 2]))
        pos += 2;

    std::uint64_t value = 0;
    bool overflow = false;
    for (; pos < text.size() && IsRopHexDigit(text[pos]); ++pos) {
        value = value * 16 + static_cast<unsigned>(RopHexDigitValue(text[pos]));
        if (value > 0xFFFFFFFFu) overflow = true, value = 0xFFFFFFFFu;
    }
    if (overflow) return 0xFFFFFFFFu;
    const auto result = static_cast<std::uint32_t>(value);
    return negative ? static_cast<std::uint32_t>(0u - result) : result;
}

}  // namespace

std::string FormatRopCode(std::uint32_t code) { return "0x" + FormatRopHexDigits(code, 1); }

std::string FormatFullRopCode(std::uint32_t code) { return "0x" + FormatRopHexDigits(code, 8); }

ParsedRopCode ParseRopCode(std::string_view text) {
    text = text.substr(0, kRopCodeTextLimit);
    if (!text.empty() && (text[0] == 'x' || text[0] == 'X'))
        text.remove_prefix(1);
    else if (HasRopHexPrefix(text))
        text.remove_prefix(2);
    const std::uint32_t value = StrToULongBase16(text);
    return {value, value != 0xFFFFFFFFu};
}

bool CheckRopCodeRange(std::uint32_t value) { return value >= kRopCodeMin && value <= kRopCodeMax; }

std::string FormatRopCodeBound(std::uint32_t bound) { return FormatRopHexDigits(bound, 1, true); }
