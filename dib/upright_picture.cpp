#include "upright_picture.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace {

struct Point {
    int x, y;
};

// The pixel of the stored picture (width x height) that lands at (x, y) of the upright one.
Point StoredAt(int orientation, int x, int y, int width, int height) {
    switch (orientation) {
        case 2:
            return {width - 1 - x, y};
        case 3:
            return {width - 1 - x, height - 1 - y};
        case 4:
            return {x, height - 1 - y};
        case 5:
            return {y, x};
        case 6:
            return {y, height - 1 - x};
        case 7:
            return {width - 1 - y, height - 1 - x};
        case 8:
            return {width - 1 - y, x};
        default:
            return {x, y};
    }
}

}  // namespace

void TurnUpright(SourcePicture& picture, int orientation) {
    if (orientation < 2 || orientation > 8) return;
    const int width = picture.width, height = picture.height;
    const bool swapped = orientation >= 5;
    const int uprightWidth = swapped ? height : width;
    const int uprightHeight = swapped ? width : height;
    std::vector<std::uint32_t> upright(picture.pixels.size());
    for (int y = 0; y < uprightHeight; ++y)
        for (int x = 0; x < uprightWidth; ++x) {
            const Point from = StoredAt(orientation, x, y, width, height);
            upright[static_cast<std::size_t>(y) * uprightWidth + x] =
                picture.pixels[static_cast<std::size_t>(from.y) * width + from.x];
        }
    picture.pixels = std::move(upright);
    picture.width = uprightWidth;
    picture.height = uprightHeight;
}
