// Scene files as velmar-rop --render reads them, then played on the model when they are small:
// a fault is one printable line that names its place, a scene that reads holds bitmaps of the
// bytes their formats need, and playing it keeps them so, one return value a step.

#include "fuzz_checks.h"
#include "scene_model.h"
#include "scene_reader.h"

namespace {

// Larger scenes read but are not played: the fuzzer looks for faults, not for long blits.
constexpr std::size_t kPlayedBytes = 1 << 16;

std::size_t CheckBitmaps(const Scene& scene, std::string_view text) {
    std::size_t total = 0;
    for (const SceneBitmap& bitmap : scene.bitmaps) {
        const Surface& s = bitmap.surface;
        FuzzRequire(s.width >= 1 && s.width <= kSceneSideLimit && s.height >= 1 &&
                        s.height <= kSceneSideLimit,
                    "every side is 1 to the limit", text);
        FuzzRequire(s.bytes.size() == s.stride * static_cast<std::size_t>(s.height) &&
                        s.stride * 8 >= static_cast<std::size_t>(s.width) * s.format.bitsPerPixel,
                    "a bitmap holds the bytes of its rows", text);
        FuzzRequire(!s.HasTable() || (!s.format.table.empty() &&
                                      s.format.table.size() <= (1u << s.format.bitsPerPixel)),
                    "a colour table no longer than its pixels can name", text);
        total += s.bytes.size();
    }
    FuzzRequire(total <= kSceneBytesLimit && scene.target < scene.bitmaps.size(),
                "the bitmaps within the limit, the target one of them", text);
    return total;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = FuzzInput(data, size);
    const SceneReading reading = ReadScene(text);
    if (!reading.scene) {
        FuzzRequire(!reading.fault.empty() && IsPrintable(reading.fault, false),
                    "a fault is said on one printable line", text);
        return 0;
    }
    const Scene& scene = *reading.scene;
    if (CheckBitmaps(scene, text) > kPlayedBytes) return 0;
    SceneModel model(scene);
    for (const SceneStep& step : scene.steps) model.Run(step);
    for (std::size_t i = 0; i < scene.bitmaps.size(); ++i)
        FuzzRequire(model.Bitmap(i).bytes.size() == scene.bitmaps[i].surface.bytes.size(),
                    "a blit keeps the bitmap's size", text);
    return 0;
}
