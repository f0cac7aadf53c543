#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "velmar_rop_invocation.h"

namespace {

// Bit by bit, as the truth table reads: bit i of the result is the index's bit for bits i of the
// operands.
std::uint32_t Expected(int index, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    std::uint32_t result = 0;
    for (int i = 0; i < 32; ++i) {
        const int k = 4 * ((p >> i) & 1) + 2 * ((s >> i) & 1) + ((d >> i) & 1);
        result |= static_cast<std::uint32_t>((index >> k) & 1) << i;
    }
    return result;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1)
        lines.push_back(text.substr(at, text.find('\n', at) - at));
    return lines;
}

}  // namespace

// JSON, so the test reads the vectors by key; the text is the same numbers, checked below.
TEST(VelmarRopVectors, EveryCodesVectorsAreItsResultOnAll32Bits) {
    const std::string json = Invoke({"--table", "--vectors", "24", "--seed", "2024", "--json"}).out;
    int index = -1, count = 0;
    for (const std::string& line : LinesOf(json)) {
        if (line.rfind("{\"index\":", 0) != 0) continue;
        ++index;
        char name[8];
        std::snprintf(name, sizeof name, "0x%02X", index);
        ASSERT_EQ(line.substr(10, 4), name);
        int n = 0;
        for (std::size_t at = line.find("{\"P\":"); at != std::string::npos;
             at = line.find("{\"P\":", at + 1), ++n, ++count) {
            unsigned p = 0, s = 0, d = 0, result = 0;
            ASSERT_EQ(std::sscanf(line.c_str() + at,
                                  "{\"P\":\"0x%8X\",\"S\":\"0x%8X\",\"D\":\"0x%8X\",\"result\":"
                                  "\"0x%8X\"}",
                                  &p, &s, &d, &result),
                      4);
            EXPECT_EQ(result, Expected(index, p, s, d)) << index << " vector " << n;
            if (n == 0) {
                EXPECT_EQ(p, 0xF0F0F0F0u);
                EXPECT_EQ(s, 0xCCCCCCCCu);
                EXPECT_EQ(d, 0xAAAAAAAAu);
                EXPECT_EQ(result, static_cast<unsigned>(index) * 0x01010101u) << "swap check";
            }
        }
        EXPECT_EQ(n, 24) << index;
    }
    EXPECT_EQ(index, 255);
    EXPECT_EQ(count, 256 * 24);
}

TEST(VelmarRopVectors, TextIsOneALineAndATableLineIsTheCodesOwnAfterItsIndex) {
    const std::vector<std::string> own = LinesOf(Invoke({"--vectors", "5", "DSPDxax"}).out);
    ASSERT_EQ(own.size(), 5u);
    EXPECT_EQ(own[0], "P 0xF0F0F0F0 S 0xCCCCCCCC D 0xAAAAAAAA -> 0xE2E2E2E2");
    // splitmix64's first three outputs from 0 are 0xE220A8397B1DCDAF, 0x6E789E6AA1B965F4 and
    // 0x06C45D188009454F, published with the generator; their high halves make vector 2.
    EXPECT_EQ(own[1].substr(0, 38), "P 0xE220A839 S 0x6E789E6A D 0x06C45D18");
    std::vector<std::string> inTable;
    for (const std::string& line : LinesOf(Invoke({"--table", "--vectors", "5"}).out))
        if (line.rfind("0xE2 ", 0) == 0) inTable.push_back(line.substr(5));
    EXPECT_EQ(inTable, own);
    for (const std::string& line : own) {
        unsigned p = 0, s = 0, d = 0, result = 0;
        ASSERT_EQ(
            std::sscanf(line.c_str(), "P 0x%8X S 0x%8X D 0x%8X -> 0x%8X", &p, &s, &d, &result), 4)
            << line;
        EXPECT_EQ(result, Expected(0xE2, p, s, d)) << line;
    }
}

TEST(VelmarRopVectors, TheSeedAloneDecidesTheOperands) {
    const auto vectors = [](std::vector<std::string> seed) {
        seed.insert(seed.end(), {"--vectors", "3", "SRCCOPY"});
        return Invoke(seed).out;
    };
    EXPECT_EQ(vectors({}), vectors({"--seed", "0"})) << "the default seed is 0";
    EXPECT_EQ(vectors({"--seed", "0x1F"}), vectors({"--seed=31"}));
    EXPECT_NE(vectors({"--seed", "1"}), vectors({"--seed", "2"}));
    EXPECT_EQ(vectors({"--seed", "18446744073709551615"}),
              vectors({"--seed", "0xFFFFFFFFFFFFFFFF"}));
    EXPECT_EQ(Invoke({"--vectors", "2", "--json", "0xCC0020"}).status, 0);
}

TEST(VelmarRopVectors, BadVectorsSeedAndEmitAreUsageErrors) {
    std::vector<std::vector<std::string>> cases = {{"--vectors=", "S"},
                                                   {"--vectors"},
                                                   {"--vectors", "2"},
                                                   {"--vectors", "1", "--vectors", "2", "S"},
                                                   {"--seed", "1", "S"},
                                                   {"--vectors", "2", "--port", "S"},
                                                   {"--vectors", "1", "--rop2", "13"},
                                                   {"--vectors", "1", "--table", "--rop2"},
                                                   {"--vectors", "1", "--rop4", "0xAACC0020"},
                                                   {"--vectors", "1", "--emit", "c"},
                                                   {"--emit"},
                                                   {"--emit", "c", "--json"},
                                                   {"--emit", "c", "--port", "S"},
                                                   {"--emit", "c", "--fore", "S", "--back", "D"}};
    for (const char* count :
         {"0", "1000001", "-1", "", " 5", "1e3", "0x10", "99999999999999999999"})
        cases.push_back({"--vectors", count, "S"});
    for (const char* seed : {"", "0x", "-1", "12a", "18446744073709551616", "0x10000000000000000"})
        cases.push_back({"--vectors", "1", "--seed", seed, "S"});
    for (const char* language : {"C", "java", ""}) cases.push_back({"--emit", language, "S"});
    for (const auto& args : cases) {
        const VelmarRopRun run = Invoke(args);
        EXPECT_EQ(run.status, 2) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

// Written a piece at a time, never all at once; a piece that cannot be written ends the run.
TEST(VelmarRopVectors, AMillionVectorsGoOutInPiecesAndAFailedWriteStopsThem) {
    std::size_t lines = 0, pieces = 0, largest = 0;
    const VelmarRopRun run = RunVelmarRop({"--vectors", "1000000", "S"}, [&](std::string_view p) {
        for (const char c : p) lines += c == '\n';
        largest = std::max(largest, p.size());
        ++pieces;
        return true;
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(lines, 1000000u);
    EXPECT_GT(pieces, 100u);
    EXPECT_LT(largest, 100000u);

    pieces = 0;
    const VelmarRopRun failed =
        RunVelmarRop({"--table", "--vectors", "1000"}, [&](std::string_view) {
            ++pieces;
            return false;
        });
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "velmar-rop: cannot write the output\n");
    EXPECT_EQ(pieces, 1u);
}

TEST(VelmarRopEmit, OneCodeIsItsFunctionAndAllAreTheTableWithItsSwitch) {
    const std::string one = Invoke({"--emit", "c", "SRCAND"}).out;
    EXPECT_NE(one.find("\n#include <stdint.h>\n\n/* 0x008800C6 DSa (SRCAND) */\n"
                       "static inline uint32_t rop3_88(uint32_t p, uint32_t s, uint32_t d)\n{\n"
                       "    (void)p;\n    return s & d;\n}\n"),
              std::string::npos)
        << one;
    EXPECT_EQ(one.find("rop3("), std::string::npos) << "no switch for one code";
    const std::string all = Invoke({"--emit=c"}).out;
    EXPECT_EQ(Invoke({"--table", "--emit", "c"}).out, all);
    std::size_t functions = 0, cases = 0;
    for (std::size_t at = all.find("static inline uint32_t rop3_"); at != std::string::npos;
         at = all.find("static inline uint32_t rop3_", at + 1))
        ++functions;
    for (std::size_t at = all.find("    case 0x"); at != std::string::npos;
         at = all.find("    case 0x", at + 1))
        ++cases;
    EXPECT_EQ(functions, 256u);
    EXPECT_EQ(cases, 256u);
    EXPECT_NE(all.find("static inline uint32_t rop3(uint8_t index, uint32_t p, uint32_t s, "
                       "uint32_t d)\n"),
              std::string::npos);
    EXPECT_NE(all.find("    case 0xE2: return rop3_E2(p, s, d); /* 0x00E20746 DSPDxax */\n"),
              std::string::npos);
}
