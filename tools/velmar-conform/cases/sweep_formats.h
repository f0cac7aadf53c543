#pragma once

// The bitmap formats the sweep draws on and from, and the bitmaps it makes of them, as scene
// descriptions (JSON objects for "bitmaps").

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "surface.h"

using Json = nlohmann::json;

struct SweepFormat {
    std::string name;  // a word of the case names: "8bit-236"
    Json description;  // "dib" or "mono" with what makes the format, no size or contents
    bool topDown = true;
};

// Every format a scene can name: 1 bit with two tables (one inverted), 4 bits, 8 bits of 236
// and of 5 colours, 5-5-5, 5-6-5, 4-4-4, 24, 32 (its spare byte dirty), 32 of 10-10-10 and of
// blue-green-red bitfields, and the monochrome bitmap.
const std::vector<SweepFormat>& SweepFormats();

inline bool IsMonochromeBitmap(const SweepFormat& f) { return f.description.contains("mono"); }
inline int BitsPerPixel(const SweepFormat& f) {
    return IsMonochromeBitmap(f) ? 1 : f.description["dib"]["bpp"].get<int>();
}

// The format of that name; the first for a name that is none.
const SweepFormat& SweepFormatNamed(const std::string& name);

// An empty surface of the format, to lay pixels out with.
Surface SweepSurface(const SweepFormat& format, int width, int height);

// The bitmap's description with its bytes as "bits".
Json SweepBitmap(const SweepFormat& format, const Surface& contents);

// Bytes of a reproducible pseudo-random sequence, spare bits and padding included.
void FillRandom(Surface& surface, std::uint32_t seed);

// Pseudo-random pixels that stand for colours: indices inside the table, nothing in spare bits.
void FillColors(Surface& surface, std::uint32_t seed);

// Reproducible pseudo-random numbers (a linear congruential generator's high bits).
class SweepRandom {
public:
    explicit SweepRandom(std::uint32_t seed) : m_state(seed * 2654435761u + 1) {}
    std::uint32_t Next() {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }

private:
    std::uint32_t m_state;
};
