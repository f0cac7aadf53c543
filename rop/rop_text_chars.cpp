#include "rop_text_chars.h"

std::string FormatRopHexDigits(std::uint32_t value, int digits, bool lowerCase) {
    const char* const symbols = lowerCase ? "0123456789abcdef" : "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), symbols[value & 0xF]);
        value >>= 4;
    } while (value != 0 || static_cast<int>(text.size()) < digits);
    return text;
}

std::string DescribeRopTextChar(char c) {
    if (c >= 0x20 && c < 0x7F) return std::string("'") + c + "'";
    return "\\x" + FormatRopHexDigits(static_cast<unsigned char>(c), 2);
}

std::string RopTextPosition(std::size_t offset) { return "position " + std::to_string(offset + 1); }

std::string QuoteRopText(std::string_view text) {
    constexpr std::size_t kShown = 32;
    std::string quoted = "'";
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
        const char c = text[i];
        quoted += c >= 0x20 && c < 0x7F ? std::string(1, c) : DescribeRopTextChar(c);
    }
    return quoted + (text.size() > kShown ? "'..." : "'");
}

TrimmedRopText TrimRopSpace(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsRopSpace(text[first])) ++first;
    std::size_t end = text.size();
    while (end > first && IsRopSpace(text[end - 1])) --end;
    return {text.substr(first, end - first), first};
}
