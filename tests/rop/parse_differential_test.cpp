#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "reference_strtoul.h"
#include "rop_code.h"

namespace {

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
        const std::uint32_t expected = ReferenceHexFieldParse(text);
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
