#include "picture_kind.h"

#include <memory>
#include <new>

#include "picture_pixels.h"
#include "picture_snapshot.h"

namespace {

PictureSnapshot InKind(const std::vector<std::uint32_t>& pixels, SIZE size, bool mono) {
    PictureSnapshot snapshot;
    snapshot.size = size;
    snapshot.mono = mono;
    snapshot.isDefault = false;
    snapshot.rows = PackDibRows(pixels, size, mono, false);
    return snapshot;
}

BOOL ToMono(SamplePicture& picture, const std::vector<std::uint32_t>& pixels) {
    auto colour = std::make_unique<PictureSnapshot>(InKind(pixels, picture.Size(), false));
    if (!picture.Adopt(InKind(pixels, picture.Size(), true))) return FALSE;
    picture.KeepColourBeforeMono(std::move(colour));
    return TRUE;
}

// The kept colour picture at the size the picture has now, as any picture of the user's follows
// a change of scale.
BOOL ToColour(SamplePicture& picture, const std::vector<std::uint32_t>& pixels) {
    const SIZE size = picture.Size();
    std::unique_ptr<const PictureSnapshot> kept = picture.TakeColourBeforeMono();
    if (!kept) return picture.Adopt(InKind(pixels, size, false));
    const PictureSnapshot before = InKind(pixels, size, true);
    if (picture.Adopt(*kept) && picture.Rescale(size)) return TRUE;
    picture.Adopt(before);
    picture.KeepColourBeforeMono(std::move(kept));
    return FALSE;
}

}  // namespace

BOOL ChangePictureKind(SamplePicture& picture, bool mono, SIZE size) {
    if (picture.ShowsDefault() || !picture.Ready()) return picture.Create(size, mono);
    if (picture.IsMono() == mono) return TRUE;
    try {
        const std::vector<std::uint32_t> pixels = ReadPicturePixels(picture);
        if (pixels.empty()) return FALSE;
        return mono ? ToMono(picture, pixels) : ToColour(picture, pixels);
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}
