#include "output_options.h"

#include <limits>

#include "quote_argument.h"
#include "rop_vectors.h"

namespace {

int DigitValue(char c, int base) {
    int value = 99;
    if (c >= '0' && c <= '9') value = c - '0';
    if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < base ? value : -1;
}

// All of text in the base, up to limit; nothing for an empty text, a stray character or overflow.
bool ReadNumber(const std::string& text, int base, std::uint64_t limit, std::uint64_t& number) {
    if (text.empty()) return false;
    number = 0;
    for (const char c : text) {
        const int digit = DigitValue(c, base);
        const auto value = static_cast<std::uint64_t>(digit);
        if (digit < 0 || number > (limit - value) / static_cast<std::uint64_t>(base)) return false;
        number = number * static_cast<std::uint64_t>(base) + value;
    }
    return true;
}

}  // namespace

std::string ReadVectorCount(const std::string& text, std::uint32_t& count) {
    std::uint64_t number = 0;
    if (!ReadNumber(text, 10, kRopMostVectors, number) || number == 0)
        return "--vectors takes a count from 1 to " + std::to_string(kRopMostVectors) + ", not " +
               QuoteArgument(text);
    count = static_cast<std::uint32_t>(number);
    return {};
}

std::string ReadVectorSeed(const std::string& text, std::uint64_t& seed) {
    constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (hex ? ReadNumber(text.substr(2), 16, kMost, seed) : ReadNumber(text, 10, kMost, seed))
        return {};
    return "--seed takes a 64-bit number, in decimal or as 0x and hexadecimal digits, not " +
           QuoteArgument(text);
}

std::string ReadEmitLanguage(const std::string& text) {
    return text == "c" ? std::string() : "--emit takes c (C99 source), not " + QuoteArgument(text);
}
