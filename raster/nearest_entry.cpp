#include "nearest_entry.h"

namespace {

int Square(int v) { return v * v; }

int Distance(Rgb a, Rgb b) {
    return Square(a.red - b.red) + Square(a.green - b.green) + Square(a.blue - b.blue);
}

std::uint8_t Cut(std::uint8_t c) { return static_cast<std::uint8_t>((c & ~7) + 4); }

}  // namespace

std::uint32_t NearestEntry(const std::vector<Rgb>& table, Rgb color) {
    std::uint32_t best = 0;
    int bestDistance = 1 << 30;
    for (std::uint32_t i = 0; i < table.size(); ++i) {
        const int distance = Distance(table[i], color);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
            if (distance == 0) break;
        }
    }
    return best;
}

Rgb CutToFiveBitMiddle(Rgb color) { return {Cut(color.red), Cut(color.green), Cut(color.blue)}; }
