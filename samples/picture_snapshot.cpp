#include "picture_snapshot.h"

#include "picture_pixels.h"
#include "sample_picture.h"

BOOL TakeSnapshot(const SamplePicture& picture, PictureSnapshot& snapshot) {
    const std::vector<std::uint32_t> pixels = ReadPicturePixels(picture);
    if (pixels.empty()) return FALSE;
    PictureSnapshot taken;
    taken.size = picture.Size();
    taken.mono = picture.IsMono();
    taken.isDefault = picture.ShowsDefault();
    taken.rows = PackDibRows(pixels, taken.size, taken.mono, false);
    snapshot = std::move(taken);
    return TRUE;
}
