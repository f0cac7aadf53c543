#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "rop_code.h"

namespace {

// What the C library's strtoul gives with base 16 and a 32-bit unsigned long: the library's
// 64-bit conversion narrowed with strtoul's overflow rule. (Wine's 32-bit strtoul returns small
// numbers for negative overflows such as "-100000000" where the C standard, glibc and Windows
// give ULONG_MAX, so the 64-bit conversion is the trustworthy reference on both systems.)
std::uint32_t ReferenceStrtoul(const std::string& text) {
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), nullptr, 16);
    if (errno == ERANGE) return 0xFFFFFFFFu;
    size_t first = 0;
    while (first < text.size() &&
           (text[first] == ' ' || (text[first] >= '\t' && text[first] <= '\r')))
        ++first;
    const bool negative = first < text.size() && text[first] == '-';
    const unsigned long long magnitude = negative ? 0ull - value : value;
    if (magnitude > 0xFFFFFFFFull) return 0xFFFFFFFFu;
    return static_cast<std::uint32_t>(negative ? 0ull - magnitude : magnitude);
}

// The reference reading of a Hex field: cut, skip one "x" or "0x", then strtoul.
std::uint32_t ReferenceParse(std::string text) {
    text = text.substr(0, 62);
    size_t skip = 0;
    if (!text.empty() && (text[0] == 'x' || text[0] == 'X'))
        skip = 1;
    else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        skip = 2;
    return ReferenceStrtoul(text.substr(skip));
}

std::string RandomText(std::mt19937& random) {
    static const std::vector<std::string> pieces = {
        "0",        "1",  "7",  "9",    "a",        "f",         "A",      "F",       "g",
        "G",        "x",  "X",  "0x",   "0X",       "+",         "-",      " ",       "\t",
        "\n",       "\v", "\f", "\r",   "ffffffff", "100000000", "ffffff", "1000000", "cc0020",
        "00000000", "z",  ".",  "\xA0", "\x85",     "\xFF",      "\x80",   "\xE9"};
    std::uniform_int_distribution<int> count(0, 12);
    std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> byte(1, 255);
    std::string text;
    const int n = count(random);
    for (int i = 0; i < n; ++i) {
        if (random() % 8 == 0)
            text += static_cast<char>(byte(random));
        else
            text += pieces[pick(random)];
    }
    // Now and then a long text, to cross the 62-character cut in every way.
    if (random() % 16 == 0) text = std::string(random() % 70, '0') + text;
    return text;
}

TEST(ParseRopCodeDifferential, AgreesWithStrtoulOnRandomAndAdversarialTexts) {
    std::mt19937 random(20261207);
    int compared = 0, mismatches = 0;
    for (int i = 0; i < 150000; ++i) {
        const std::string text = RandomText(random);
        const std::uint32_t expected = ReferenceParse(text);
        const ParsedRopCode parsed = ParseRopCode(text);
        ++compared;
        if (parsed.value != expected || parsed.ok != (expected != 0xFFFFFFFFu)) {
            if (++mismatches <= 10)
                ADD_FAILURE() << "text \"" << text << "\": got " << std::hex << parsed.value
                              << ", strtoul " << expected;
        }
    }
    EXPECT_EQ(mismatches, 0) << "of " << compared << " texts";
    std::printf("ParseRopCode compared with strtoul on %d texts: %d mismatches\n", compared,
                mismatches);
}

}  // namespace
