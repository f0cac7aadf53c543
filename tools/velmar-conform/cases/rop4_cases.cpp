#include "rop4_cases.h"

#include <cstdio>

#include "rop_truth_table.h"
#include "surface_pixels.h"
#include "sweep_scene_builder.h"

namespace {

// Rows of black and white: pixel k white where bit k of `columns` is set.
Json BlackAndWhite(int height, std::uint8_t columns) {
    Surface surface = SweepSurface(SweepFormatNamed("24bit"), 8, height);
    for (int y = 0; y < height; ++y)
        for (int k = 0; k < 8; ++k) {
            const std::uint32_t pixel = (columns >> k) & 1 ? 0xFFFFFF : 0;
            WritePixels(surface, k, y, 1, &pixel);
        }
    return SweepBitmap(SweepFormatNamed("24bit"), surface);
}

ConformanceCase ForegroundCase(int fore) {
    const std::uint32_t foreCode = RopTruthTable::CodeFromIndex(static_cast<std::uint8_t>(fore));
    SweepSceneBuilder scene("dst");
    scene.Bitmap("dst", BlackAndWhite(512, 0xAA))
        .Bitmap("src", BlackAndWhite(1, 0xCC))
        .Bitmap("mask", {{"mono", {{"width", 8}, {"height", 1}, {"rows", {"0F00"}}}}})
        .Operands({{"M", {"F0"}}, {"P", {"00", "FF"}}, {"S", {"CC"}}, {"D", {"AA"}}});
    for (const int white : {0, 1}) {
        scene.Step({{"set", "dst"}, {"brush", {{"solid", white ? "#FFFFFF" : "#000000"}}}});
        for (int back = 0; back < 256; ++back) {
            Json blit = WithSource(Blit("maskblt", 0, 2 * back + white, 8, 1), "src", 0, 0);
            blit["mask"] = "mask";
            blit["rop4"] = (static_cast<std::uint32_t>(back) << 24) | foreCode;
            scene.Step(blit);
        }
    }
    char name[16];
    std::snprintf(name, sizeof name, "rop4.fore=%02X", fore);
    return scene.Make(name);
}

}  // namespace

std::vector<ConformanceCase> Rop4Cases() {
    std::vector<ConformanceCase> cases;
    for (int fore = 0; fore < 256; ++fore) cases.push_back(ForegroundCase(fore));
    return cases;
}
