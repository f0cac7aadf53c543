#include "picture_placement.h"

#include <algorithm>
#include <cstdint>

namespace {

// `part` times to / from, rounded to the nearest pixel, and at least one.
int Scaled(int part, int to, int from) {
    const std::int64_t scaled = (std::int64_t{part} * to + from / 2) / from;
    return static_cast<int>(std::max<std::int64_t>(1, scaled));
}

}  // namespace

PicturePlacement PlacePicture(int pictureWidth, int pictureHeight, int sampleWidth,
                              int sampleHeight) {
    PicturePlacement placed;
    if (pictureWidth <= sampleWidth && pictureHeight <= sampleHeight) {
        placed.factor = std::min(sampleWidth / pictureWidth, sampleHeight / pictureHeight);
        placed.width = pictureWidth * placed.factor;
        placed.height = pictureHeight * placed.factor;
    } else if (std::int64_t{pictureWidth} * sampleHeight >=
               std::int64_t{pictureHeight} * sampleWidth) {
        placed.width = sampleWidth;  // wider than the sample's proportions: the width decides
        placed.height = std::min(sampleHeight, Scaled(pictureHeight, sampleWidth, pictureWidth));
    } else {
        placed.height = sampleHeight;
        placed.width = std::min(sampleWidth, Scaled(pictureWidth, sampleHeight, pictureHeight));
    }
    placed.left = (sampleWidth - placed.width) / 2;
    placed.top = (sampleHeight - placed.height) / 2;
    return placed;
}
