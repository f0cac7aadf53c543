#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <string>
#include <vector>

#include "rop_expression.h"
#include "rop_shortest.h"

namespace {

int CountOperators(const std::string& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return c == '~' || c == '&' || c == '|' || c == '^';
    }));
}

// What expressions of exactly n operators can compute, for each n up to maxSize, by a search of
// its own that never looks at the table under test; constants are allowed as operands here.
std::vector<std::bitset<256>> ReachableBySize(int maxSize) {
    std::vector<std::vector<unsigned>> bySize(maxSize + 1);
    std::vector<std::bitset<256>> reachable(maxSize + 1);
    bySize[0] = {0xF0, 0xCC, 0xAA, 0x00, 0xFF};
    for (int size = 1; size <= maxSize; ++size) {
        std::bitset<256>& found = reachable[size];
        for (const unsigned f : bySize[size - 1]) found.set(~f & 0xFF);
        for (int left = 0; left < size; ++left)
            for (const unsigned f : bySize[left])
                for (const unsigned g : bySize[size - 1 - left]) {
                    found.set(f & g);
                    found.set(f | g);
                    found.set(f ^ g);
                }
        for (unsigned op = 0; op < 256; ++op)
            if (found[op]) bySize[size].push_back(op);
    }
    for (const unsigned op : bySize[0]) reachable[0].set(op);
    return reachable;
}

}  // namespace

// Every expression is checked on its own text, and against a search written apart from the one
// under test, so a wrong table cannot vouch for itself.
TEST(ShortestExpression, ComputesItsOperationAndNothingShorterDoes) {
    const RopShortestExpressionTable table = SearchShortestRopExpressions();
    int longest = 0;
    for (const RopShortestExpression& shortest : table)
        longest = std::max(longest, shortest.operators);
    const std::vector<std::bitset<256>> reachable = ReachableBySize(longest);
    for (unsigned index = 0; index < 256; ++index) {
        const RopShortestExpression& shortest = table[index];
        const RopParseResult parsed = EvaluateRopExpression(shortest.text);
        ASSERT_TRUE(parsed.ok) << shortest.text << ": " << parsed.error;
        EXPECT_EQ(parsed.index, index) << shortest.text;
        EXPECT_EQ(CountOperators(shortest.text), shortest.operators) << shortest.text;
        for (int size = 0; size < shortest.operators; ++size)
            EXPECT_FALSE(reachable[size][index])
                << shortest.text << " is not shortest: " << size << " operators do";
    }
}

TEST(ShortestExpression, TiesGoToFewerXorsThenFewerNotsThenPBeforeSBeforeD) {
    EXPECT_EQ(ShortestRopExpression(0x0A).text, "D & ~P");  // not "P ^ (P | D)"
    EXPECT_EQ(ShortestRopExpression(0x88).text, "S & D");
    EXPECT_EQ(ShortestRopExpression(0xE2).text, "D ^ (S & (P ^ D))");
    EXPECT_EQ(ShortestRopExpression(0x00).text, "0");  // not P ^ P
    EXPECT_EQ(ShortestRopExpression(0xFF).text, "1");
    EXPECT_EQ(ShortestRopExpression(0x0F).text, "~P");  // not P ^ 1
}
