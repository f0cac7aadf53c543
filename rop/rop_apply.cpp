#include "rop_apply.h"

#include <cstring>

namespace {

// The operation's eight results, row k (P, S, D = bits 2, 1, 0 of k) as a word of all zeros or
// all ones, so that one evaluation serves every bit of a word at once.
template <typename Word>
struct RopRows {
    explicit RopRows(std::uint8_t index) {
        for (int k = 0; k < 8; ++k) row[k] = ((index >> k) & 1) ? ~Word{0} : Word{0};
    }
    Word row[8];
};

// The truth table read as a tree: D chooses within each pair of rows, then S between the
// pairs, then P between the halves. Without branches, so a row of words runs straight through.
template <typename Word>
Word Evaluate(const RopRows<Word>& r, Word p, Word s, Word d) {
    const Word d0 = r.row[0] ^ (d & (r.row[0] ^ r.row[1]));
    const Word d1 = r.row[2] ^ (d & (r.row[2] ^ r.row[3]));
    const Word d2 = r.row[4] ^ (d & (r.row[4] ^ r.row[5]));
    const Word d3 = r.row[6] ^ (d & (r.row[6] ^ r.row[7]));
    const Word s0 = d0 ^ (s & (d0 ^ d1));
    const Word s1 = d2 ^ (s & (d2 ^ d3));
    return s0 ^ (p & (s0 ^ s1));
}

std::uint64_t Load(const std::uint8_t* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

}  // namespace

std::uint32_t ApplyRop(std::uint8_t index, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    return Evaluate(RopRows<std::uint32_t>(index), p, s, d);
}

void ApplyRopToBytes(std::uint8_t index, const std::uint8_t* p, const std::uint8_t* s,
                     std::uint8_t* d, std::size_t count) {
    // The codes that only copy or fill are what most blits use; they go at memory's speed.
    switch (index) {
        case 0xAA:
            return;
        case 0xCC:
            std::memcpy(d, s, count);
            return;
        case 0xF0:
            std::memcpy(d, p, count);
            return;
        case 0x00:
            std::memset(d, 0x00, count);
            return;
        case 0xFF:
            std::memset(d, 0xFF, count);
            return;
        default:
            break;
    }
    const RopRows<std::uint64_t> rows(index);
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const std::uint64_t result = Evaluate(rows, Load(p + i), Load(s + i), Load(d + i));
        std::memcpy(d + i, &result, sizeof result);
    }
    const RopRows<std::uint8_t> tail(index);
    for (; i < count; ++i) d[i] = Evaluate(tail, p[i], s[i], d[i]);
}
