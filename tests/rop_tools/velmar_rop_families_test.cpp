#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "velmar_rop.h"

// Each family key of every code in --table --json, checked against the family's own rule as its
// documentation states it, evaluated here on all eight rows.
namespace {

// The rows of a code: bit 4 p + 2 s + d of the index is the result for P = p, S = s, D = d.
int Result(int index, int p, int s, int d) { return (index >> (4 * p + 2 * s + d)) & 1; }

bool Reads(int index, int flip) {
    for (int k = 0; k < 8; ++k)
        if (((index >> k) & 1) != ((index >> (k ^ flip)) & 1)) return true;
    return false;
}

// The raw JSON value of key in one line of the table: a string, a flat object, null or a number.
std::string Raw(const std::string& line, const std::string& key) {
    const std::size_t at = line.find("\"" + key + "\":");
    if (at == std::string::npos) return "missing";
    const std::size_t start = at + key.size() + 3;
    const char first = line[start];
    const std::size_t end = first == '"'   ? line.find('"', start + 1) + 1
                            : first == '{' ? line.find('}', start) + 1
                                           : line.find_first_of(",}", start);
    return line.substr(start, end - start);
}

std::string Text(const std::string& raw) { return raw.substr(1, raw.size() - 2); }

int Hex(const std::string& raw) { return std::stoi(Text(raw), nullptr, 16); }

int Number(const std::string& object, const std::string& key) {
    return std::stoi(Raw(object, key));
}

// The 256 lines of --table --json, entry i for index i.
const std::vector<std::string>& Lines() {
    static const std::vector<std::string> lines = [] {
        const std::string json = RunVelmarRop({"--table", "--json"}).out;
        std::vector<std::string> all;
        for (std::size_t at = json.find("\n{"); at != std::string::npos;
             at = json.find("\n{", at + 1))
            all.push_back(json.substr(at + 1, json.find('\n', at + 1) - at - 1));
        return all;
    }();
    return lines;
}

// Calls check with the colours a two-operand family's source may take on a row: the code's drawn
// operand, or either for a code that reads neither. Returns whether the code has two operands.
bool ForEachSource(int index, const std::function<void(int source, int row)>& check) {
    const bool p = Reads(index, 4), s = Reads(index, 2);
    if (p && s) return false;
    for (int row = 0; row < 8; ++row) {
        const int pattern = (row >> 2) & 1, source = (row >> 1) & 1;
        if (!s) check(pattern, row);
        if (!p) check(source, row);
    }
    return true;
}

}  // namespace

TEST(VelmarRopFamilies, X11FunctionIsTheCodeOverItsDrawnOperand) {
    // X11's X.h: GXclear 0x0 ... GXset 0xf.
    const char* const names[] = {"GXclear",        "GXand",        "GXandReverse", "GXcopy",
                                 "GXandInverted",  "GXnoop",       "GXxor",        "GXor",
                                 "GXnor",          "GXequiv",      "GXinvert",     "GXorReverse",
                                 "GXcopyInverted", "GXorInverted", "GXnand",       "GXset"};
    ASSERT_EQ(Lines().size(), 256u);
    int withFunction = 0;
    for (int index = 0; index < 256; ++index) {
        const std::string x11 = Raw(Lines()[index], "x11");
        const bool two = ForEachSource(index, [&](int source, int row) {
            const int value = Number(x11, "value");
            EXPECT_EQ((value >> (3 - (2 * source + (row & 1)))) & 1, (index >> row) & 1)
                << index << " row " << row + 1;
        });
        if (!two) {
            EXPECT_EQ(x11, "null") << index;
            continue;
        }
        ++withFunction;
        EXPECT_EQ(Text(Raw(x11, "function")), names[Number(x11, "value")]) << index;
    }
    EXPECT_EQ(withFunction, 28);
}

TEST(VelmarRopFamilies, Ibm8514MixIsTheCodeOverItsDrawnOperand) {
    const struct {
        const char* meaning;
        std::function<int(int, int)> f;
    } mixes[] = {
        {"~D", [](int, int d) { return 1 - d; }},
        {"0", [](int, int) { return 0; }},
        {"1", [](int, int) { return 1; }},
        {"D", [](int, int d) { return d; }},
        {"~S", [](int s, int) { return 1 - s; }},
        {"S^D", [](int s, int d) { return s ^ d; }},
        {"~(S^D)", [](int s, int d) { return 1 - (s ^ d); }},
        {"S", [](int s, int) { return s; }},
        {"~(S&D)", [](int s, int d) { return 1 - (s & d); }},
        {"~S|D", [](int s, int d) { return (1 - s) | d; }},
        {"S|~D", [](int s, int d) { return s | (1 - d); }},
        {"S|D", [](int s, int d) { return s | d; }},
        {"S&D", [](int s, int d) { return s & d; }},
        {"S&~D", [](int s, int d) { return s & (1 - d); }},
        {"~S&D", [](int s, int d) { return (1 - s) & d; }},
        {"~(S|D)", [](int s, int d) { return 1 - (s | d); }},
    };
    for (int index = 0; index < 256; ++index) {
        const std::string mix = Raw(Lines()[index], "ibm8514_mix");
        const bool two = ForEachSource(index, [&](int source, int row) {
            EXPECT_EQ(mixes[Number(mix, "mix")].f(source, row & 1), (index >> row) & 1)
                << index << " row " << row + 1;
        });
        if (!two)
            EXPECT_EQ(mix, "null") << index;
        else
            EXPECT_EQ(Text(Raw(mix, "meaning")), mixes[Number(mix, "mix")].meaning) << index;
    }
}

// The Amiga Hardware Reference Manual's truth table: the D result for sources A, B and C is
// bit 4 A + 2 B + C of the LF byte.
TEST(VelmarRopFamilies, AmigaMintermOverItsChannelsIsTheCode) {
    for (int index = 0; index < 256; ++index) {
        const std::string amiga = Raw(Lines()[index], "amiga");
        ASSERT_EQ(Text(Raw(amiga, "channels")), "A=P, B=S, C=D") << index;
        const int minterm = Hex(Raw(amiga, "minterm"));
        for (int row = 0; row < 8; ++row) {
            const int a = (row >> 2) & 1, b = (row >> 1) & 1, c = row & 1;  // P, S, D
            EXPECT_EQ((minterm >> (4 * a + 2 * b + c)) & 1, Result(index, a, b, c)) << index;
        }
    }
}

// BltBitMap sets A inside the rectangle, with B the source and C the destination.
TEST(VelmarRopFamilies, BltBitMapMintermWithAOneIsTheCodeWithoutP) {
    int withMinterm = 0;
    for (int index = 0; index < 256; ++index) {
        const std::string raw = Raw(Lines()[index], "amiga_bltbitmap");
        if (Reads(index, 4)) {
            EXPECT_EQ(raw, "null") << index;
            continue;
        }
        ++withMinterm;
        const int minterm = Hex(raw);
        EXPECT_EQ(minterm & 0x0F, 0) << index;
        for (int row = 0; row < 8; ++row) {
            const int b = (row >> 1) & 1, c = row & 1;
            EXPECT_EQ((minterm >> (4 + 2 * b + c)) & 1, Result(index, row >> 2, b, c)) << index;
        }
    }
    EXPECT_EQ(withMinterm, 16);
    EXPECT_EQ(Raw(Lines()[0xCC], "amiga_bltbitmap"), "\"0xC0\"") << "the autodoc's plain copy";
    EXPECT_EQ(Raw(Lines()[0x33], "amiga_bltbitmap"), "\"0x30\"") << "its inverted copy";
    EXPECT_EQ(Raw(Lines()[0x55], "amiga_bltbitmap"), "\"0x50\"") << "its inverted destination";
}

TEST(VelmarRopFamilies, Pc98EgcRopHoldsTheResultAtSFourDTwoPOne) {
    for (int index = 0; index < 256; ++index) {
        const int rop = Hex(Raw(Lines()[index], "pc98_egc"));
        for (int row = 0; row < 8; ++row) {
            const int p = (row >> 2) & 1, s = (row >> 1) & 1, d = row & 1;
            EXPECT_EQ((rop >> (4 * s + 2 * d + p)) & 1, Result(index, p, s, d)) << index;
        }
    }
    EXPECT_EQ(Raw(Lines()[0xCC], "pc98_egc"), "\"0xF0\"") << "SRCCOPY";
    EXPECT_EQ(Raw(Lines()[0xF0], "pc98_egc"), "\"0xAA\"") << "PATCOPY";
}

// HOP 0 all ones, 1 halftone (P), 2 source, 3 source AND halftone; OP over (HOP, D) as X11.
TEST(VelmarRopFamilies, AtariPassComputesTheCodeAndExistsExactlyWhenOnePassCan) {
    const auto hopResult = [](int hop, int row) {
        const int p = (row >> 2) & 1, s = (row >> 1) & 1;
        return hop == 0 ? 1 : hop == 1 ? p : hop == 2 ? s : s & p;
    };
    const auto passWorks = [&](int index, int hop, int op) {
        for (int row = 0; row < 8; ++row)
            if (((op >> (3 - (2 * hopResult(hop, row) + (row & 1)))) & 1) != ((index >> row) & 1))
                return false;
        return true;
    };
    const auto firstHop = [&](int index) {
        for (int hop = 0; hop < 4; ++hop)
            for (int op = 0; op < 16; ++op)
                if (passWorks(index, hop, op)) return hop;
        return -1;
    };
    int onePass = 0;
    for (int index = 0; index < 256; ++index) {
        const std::string pass = Raw(Lines()[index], "atari_blitter");
        const std::string limit = Raw(Lines()[index], "atari_blitter_limit");
        if (firstHop(index) < 0) {
            EXPECT_EQ(pass, "null") << index;
            EXPECT_NE(limit.find("two passes"), std::string::npos) << index;
            continue;
        }
        ++onePass;
        EXPECT_EQ(limit, "null") << index;
        EXPECT_TRUE(passWorks(index, Number(pass, "hop"), Number(pass, "op"))) << index;
        EXPECT_EQ(Number(pass, "hop"), firstHop(index)) << index << ": no more read than needed";
    }
    EXPECT_EQ(onePass, 40);
    EXPECT_EQ(Raw(Lines()[0xCC], "atari_blitter"), R"({"hop":2,"op":3})");
    EXPECT_EQ(Raw(Lines()[0xAA], "atari_blitter"), R"({"hop":0,"op":5})") << "OP ignores HOP";
}
