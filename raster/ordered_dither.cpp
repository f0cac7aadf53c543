#include "ordered_dither.h"

namespace {

// The 8 x 8 ordered-dither (Bayer) matrix, row y, column x.
constexpr int kB8[8][8] = {{0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
                           {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
                           {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
                           {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21}};

// The quadrant's addend of the 16 x 16 matrix: top left, top right, bottom left, bottom right.
constexpr int kB16Quadrant[4] = {0, 2, 3, 1};

int Reduce(int v, int period) { return ((v % period) + period) % period; }

int B16(int x, int y) {
    const int qx = Reduce(x, 16);
    const int qy = Reduce(y, 16);
    return 4 * kB8[qy % 8][qx % 8] + kB16Quadrant[2 * (qy >= 8) + (qx >= 8)];
}

}  // namespace

bool SolidDitherIsWhite(int red, int green, int blue, int x, int y) {
    const int level = (30 * red + 59 * green + 11 * blue + 200) / 400;
    return kB8[Reduce(y, 8)][Reduce(x, 8)] < level;
}

bool PatternDitherIsWhite(int red, int green, int blue, int x, int y) {
    const int light = (30 * red + 59 * green + 11 * blue) / 100;
    return 256 * light + 255 * B16(x, y) > 65025;
}
