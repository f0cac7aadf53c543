#include <algorithm>
#include <iterator>

#include "color_pixel.h"
#include "stock_colors.h"
#include "surface_pixels.h"
#include "sweep_scene_builder.h"

namespace {

// A source of noise where every third pixel is the source DC's background colour as a pixel
// of the source, so that a blit onto a monochrome bitmap has both bits to make.
Json SourceWithBackground(const SweepFormat& format, ColorRef background, std::uint32_t seed) {
    Surface surface = SweepSurface(format, 13, 7);
    FillRandom(surface, seed);
    const std::uint32_t pixel = PixelOfColor(background, surface, DefaultPalette());
    for (int y = 0; y < surface.height; ++y)
        for (int x = y % 3; x < surface.width; x += 3) WritePixels(surface, x, y, 1, &pixel);
    return SweepBitmap(format, surface);
}

struct ColorKind {
    const char* name;  // a word of the case names
    const char* text;
    const char* background;
};

constexpr ColorKind kColorKinds[] = {
    {"rgb", "#3050F0", "#F0A020"},
    {"paletteindex", "PALETTEINDEX(9)", "PALETTEINDEX(14)"},
    {"dibindex", "DIBINDEX(1)", "DIBINDEX(6)"},
};

}  // namespace

std::vector<ConformanceCase> ConversionScenes() {
    std::vector<ConformanceCase> scenes;
    std::uint32_t seed = 7000;
    const ColorRef sourceBackground = 0x4080C0;
    for (const SweepFormat& from : SweepFormats()) {
        for (const SweepFormat& to : SweepFormats()) {
            SweepSceneBuilder scene("dst");
            seed += 2;
            scene.Bitmap("src", SourceWithBackground(from, sourceBackground, seed))
                .Bitmap("dst", NoiseBitmap(to, 15, 9, seed + 1))
                .Step({{"set", "src"}, {"bk", sourceBackground}})
                .Step({{"set", "dst"},
                       {"text", "#3050F0"},
                       {"bk", "#F0A020"},
                       {"brush", {{"solid", SolidFor(to)}}}})
                .Step(WithSource(Blit("bitblt", 2, 1, 11, 5, "SRCCOPY"), "src", 1, 1))
                .Step(WithSource(Blit("bitblt", 0, 0, 15, 9, "SRCINVERT"), "src", 3, 2))
                .Step(WithSource(Blit("bitblt", 4, 3, 9, 6, 0x00B8074A), "src", 0, 0));
            scenes.push_back(scene.Make("convert." + from.name + "-to-" + to.name));
        }
        // Rows of 32 pixels have no padding in any format: whole rows go as one.
        SweepSceneBuilder whole("dst");
        seed += 2;
        whole.Bitmap("dst", NoiseBitmap(from, 32, 6, seed))
            .Bitmap("src", NoiseBitmap(from, 32, 6, seed + 1))
            .Step(WithSource(Blit("bitblt", 0, 1, 32, 4, "SRCCOPY"), "src", 0, 2))
            .Step(WithSource(Blit("bitblt", 0, 0, 32, 6, "SRCINVERT"), "src", 0, 0));
        scenes.push_back(whole.Make("whole-rows." + from.name));
        SweepSceneBuilder itself("dst");
        itself.Bitmap("dst", NoiseBitmap(from, 15, 9, ++seed))
            .Step(WithSource(Blit("bitblt", 2, 1, 11, 5, "SRCCOPY"), "dst", 0, 0))
            .Step(WithSource(Blit("bitblt", 0, 0, 12, 7, "SRCINVERT"), "dst", 3, 2));
        scenes.push_back(itself.Make("onto-itself." + from.name));
    }
    return scenes;
}

std::vector<ConformanceCase> ColorScenes() {
    std::vector<ConformanceCase> scenes;
    std::uint32_t seed = 9000;
    const Json ownPalette = {"#102030", "#405060", "#708090", "#A0B0C0", "#D0E0F0", "#112233",
                             "#445566", "#778899", "#AABBCC", "#DDEEFF", "#FF8000", "#0080FF"};
    const SweepFormat& mono = SweepFormats().back();
    for (const SweepFormat& format : SweepFormats()) {
        for (const ColorKind& kind : kColorKinds) {
            for (const bool own : {false, true}) {
                SweepSceneBuilder scene("dst");
                Json set = {{"set", "dst"},
                            {"text", kind.text},
                            {"bk", kind.background},
                            {"brush", {{"hatch", "HS_DIAGCROSS"}, {"color", kind.text}}}};
                if (own) set["palette"] = ownPalette;
                seed += 2;
                scene.Bitmap("dst", NoiseBitmap(format, 21, 9, seed))
                    .Bitmap("m", NoiseBitmap(mono, 16, 4, seed + 1))
                    .Step(set)
                    .Step(WithSource(Blit("bitblt", 1, 1, 16, 4, "SRCCOPY"), "m", 0, 0))
                    .Step(Blit("patblt", 3, 4, 17, 5, "PATCOPY"));
                scenes.push_back(scene.Make(std::string("colours.") + kind.name +
                                            (own ? ".own-palette." : ".") + format.name));
            }
        }
        // A DIB_PAL_COLORS pattern resolves its indices through the DC's palette as it draws;
        // past the end of a palette of 4, an index wraps around it.
        SweepSceneBuilder pal("dst");
        pal.Bitmap("dst", NoiseBitmap(format, 21, 9, ++seed))
            .Bitmap("pat", {{"dib",
                             {{"bpp", 8},
                              {"width", 4},
                              {"height", -3},
                              {"indices", {0, 5, 3, 1, 4, 2}},
                              {"bits", "00010203 04050100 02030405"}}}})
            .Step({{"set", "dst"}, {"brush", {{"dib_pattern", "pat"}, {"usage", "pal"}}}})
            .Step(Blit("patblt", 0, 0, 21, 4, "PATCOPY"))
            .Step({{"set", "dst"}, {"palette", {"#102030", "#405060", "#708090", "#A0B0C0"}}})
            .Step(Blit("patblt", 0, 4, 21, 5, "PATCOPY"));
        scenes.push_back(pal.Make("dib-pal-colors-pattern." + format.name));
    }
    // On a 1-bit destination a hatch keeps its line apart from its gap.
    const char* const colors[] = {"#000000", "#FFFFFF", "#FF0000", "#00C000"};
    for (const SweepFormat& format : SweepFormats()) {
        if (!IsOneBit(format)) continue;
        for (const char* line : colors) {
            for (const char* gap : colors) {
                SweepSceneBuilder scene("dst");
                scene.Bitmap("dst", NoiseBitmap(format, 16, 8, ++seed))
                    .Step({{"set", "dst"},
                           {"bk", gap},
                           {"brush", {{"hatch", "HS_CROSS"}, {"color", line}}}})
                    .Step(Blit("patblt", 0, 0, 16, 8, "PATCOPY"));
                scenes.push_back(scene.Make(std::string("hatch-line-gap.") + (line + 1) + "-on-" +
                                            (gap + 1) + "." + format.name));
            }
        }
    }
    return scenes;
}
