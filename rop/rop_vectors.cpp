#include "rop_vectors.h"

std::uint64_t RopSplitMix64::Next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

RopVector RopVectorSource::Next() {
    if (!m_started) {
        m_started = true;
        return kRopFirstVector;
    }
    RopVector vector;
    vector.p = static_cast<std::uint32_t>(m_random.Next() >> 32);
    vector.s = static_cast<std::uint32_t>(m_random.Next() >> 32);
    vector.d = static_cast<std::uint32_t>(m_random.Next() >> 32);
    return vector;
}
