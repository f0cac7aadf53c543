#pragma once

#include <algorithm>
#include <cstdint>

// A rectangle of pixels, [left, right) x [top, bottom), wide enough that no sum of two ints
// overflows it.
struct BlitRect {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;

    bool Empty() const { return right <= left || bottom <= top; }
    std::int64_t Width() const { return right - left; }
    std::int64_t Height() const { return bottom - top; }
};

// The pixels a call names with x, y, w and h: the columns [x, x + w), or [x + w, x) for a
// negative width, as Windows takes it; the rows alike.
inline BlitRect NamedRect(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
    return {std::min(x, x + w), std::min(y, y + h), std::max(x, x + w), std::max(y, y + h)};
}

inline BlitRect SurfaceRect(int width, int height) { return {0, 0, width, height}; }

inline BlitRect Intersect(const BlitRect& a, const BlitRect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

inline BlitRect Offset(const BlitRect& r, std::int64_t dx, std::int64_t dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}
