#pragma once

#include <cstdint>

// Test vectors: 32-bit operands and the result an operation gives them. They come from
// splitmix64 (Steele, Lea and Flood, "Fast splittable pseudorandom number generators", 2014),
// written out here so that a seed gives the same vectors on every platform and compiler.
class RopSplitMix64 {
public:
    explicit RopSplitMix64(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next();

private:
    std::uint64_t m_state;
};

struct RopVector {
    std::uint32_t p = 0;
    std::uint32_t s = 0;
    std::uint32_t d = 0;
};

// The truth table's operand columns repeated in every byte: its result repeats the index in every
// byte, so swapped arguments show at once.
constexpr RopVector kRopFirstVector = {0xF0F0F0F0u, 0xCCCCCCCCu, 0xAAAAAAAAu};

constexpr std::uint64_t kRopDefaultVectorSeed = 0;
constexpr std::uint32_t kRopMostVectors = 1000000;

// The operands of the vectors of a seed, in order: kRopFirstVector, then from each three outputs
// of splitmix64 started at the seed, their high 32 bits as P, S and D. Every operation gets the
// same operands for the same seed.
class RopVectorSource {
public:
    explicit RopVectorSource(std::uint64_t seed) : m_random(seed) {}
    RopVector Next();

private:
    RopSplitMix64 m_random;
    bool m_started = false;
};
