#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// What a case says each pixel of its target stands for, where it says so: the bit of the mask M,
// the pattern P, the source S and the destination D that made it. A scene carries this as a note
// the scene reader passes over, each operand's bytes by row, row y taking entry y mod the count
// and pixel x bit x mod 8 of it:
//     "operands": {"P": ["F0"], "S": ["CC"], "D": ["AA"]}
struct PixelOperands {
    std::optional<int> m, p, s, d;
    bool Any() const { return m || p || s || d; }
};

class CaseOperands {
public:
    // Nothing where the scene's text has no such note, or one that does not read.
    static CaseOperands FromScene(std::string_view sceneText);
    PixelOperands At(int x, int y) const;

private:
    std::array<std::vector<std::uint8_t>, 4> m_rows;  // M, P, S, D
};
