#include <algorithm>
#include <iterator>

#include "color_pixel.h"
#include "return_values.h"
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

Json WithSource(Json blit, const char* source, int sx, int sy) {
    blit["src"] = source;
    blit["sx"] = sx;
    blit["sy"] = sy;
    return blit;
}

// A colour a 1-bit destination has, else one it has not: what Wine makes of other colours there
// is kept apart (wine_differences.cpp).
const char* SolidFor(const SweepFormat& format) {
    const bool oneBit =
        format.name.find("1-bit") != std::string::npos || format.name == "monochrome bitmap";
    return oneBit ? "#FFFFFF" : "#60C0A0";
}

struct ColorKind {
    const char* name;
    const char* text;
    const char* background;
};

constexpr ColorKind kColorKinds[] = {
    {"RGB", "#3050F0", "#F0A020"},
    {"PALETTEINDEX", "PALETTEINDEX(9)", "PALETTEINDEX(14)"},
    {"DIBINDEX", "DIBINDEX(1)", "DIBINDEX(6)"},
};

}  // namespace

std::vector<SweepScene> ConversionScenes() {
    std::vector<SweepScene> scenes;
    std::uint32_t seed = 7000;
    const ColorRef sourceBackground = 0x4080C0;
    for (const SweepFormat& from : SweepFormats()) {
        for (const SweepFormat& to : SweepFormats()) {
            // Wine matches colours of 16 bits or more to 4-bit tables otherwise.
            if (HasChannels(from) && BitsPerPixel(to) == 4) continue;
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
            scenes.push_back(scene.Make(from.name + " onto " + to.name));
        }
        // Rows of 32 pixels have no padding in any format: whole rows go as one.
        SweepSceneBuilder whole("dst");
        seed += 2;
        whole.Bitmap("dst", NoiseBitmap(from, 32, 6, seed))
            .Bitmap("src", NoiseBitmap(from, 32, 6, seed + 1))
            .Step(WithSource(Blit("bitblt", 0, 1, 32, 4, "SRCCOPY"), "src", 0, 2))
            .Step(WithSource(Blit("bitblt", 0, 0, 32, 6, "SRCINVERT"), "src", 0, 0));
        scenes.push_back(whole.Make("whole rows of " + from.name));
        if (IsOneBit(from)) continue;  // Wine writes 1-bit rows before it has read them
        SweepSceneBuilder itself("dst");
        itself.Bitmap("dst", NoiseBitmap(from, 15, 9, ++seed))
            .Step(WithSource(Blit("bitblt", 2, 1, 11, 5, "SRCCOPY"), "dst", 0, 0))
            .Step(WithSource(Blit("bitblt", 0, 0, 12, 7, "SRCINVERT"), "dst", 3, 2));
        scenes.push_back(itself.Make(from.name + " onto itself, overlapping"));
    }
    return scenes;
}

std::vector<SweepScene> ColorScenes() {
    std::vector<SweepScene> scenes;
    std::uint32_t seed = 9000;
    const Json ownPalette = {"#102030", "#405060", "#708090", "#A0B0C0", "#D0E0F0", "#112233",
                             "#445566", "#778899", "#AABBCC", "#DDEEFF", "#FF8000", "#0080FF"};
    const SweepFormat& mono = SweepFormats().back();
    for (const SweepFormat& format : SweepFormats()) {
        for (const ColorKind& kind : kColorKinds) {
            if (kind.name == std::string("DIBINDEX") && IsOneBit(format) && &format != &mono)
                continue;
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
                scenes.push_back(scene.Make(std::string(kind.name) + " colours" +
                                            (own ? " of its own palette" : "") + " on " +
                                            format.name));
            }
        }
        if (IsOneBit(format)) continue;  // a colour pattern there is dithered, as Wine does not
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
        scenes.push_back(pal.Make("DIB_PAL_COLORS pattern on " + format.name));
    }
    // On a 1-bit destination a hatch keeps its line apart from its gap.
    const char* const colors[] = {"#000000", "#FFFFFF", "#FF0000", "#00C000"};
    for (const SweepFormat& format : SweepFormats()) {
        if (format.name.find("1-bit") == std::string::npos && &format != &mono) continue;
        for (const char* line : colors) {
            for (const char* gap : colors) {
                SweepSceneBuilder scene("dst");
                scene.Bitmap("dst", NoiseBitmap(format, 16, 8, ++seed))
                    .Step({{"set", "dst"},
                           {"bk", gap},
                           {"brush", {{"hatch", "HS_CROSS"}, {"color", line}}}})
                    .Step(Blit("patblt", 0, 0, 16, 8, "PATCOPY"));
                scenes.push_back(
                    scene.Make(std::string("hatch ") + line + " on " + gap + " on " + format.name));
            }
        }
    }
    return scenes;
}

std::vector<SweepScene> MaskScenes() {
    std::vector<SweepScene> scenes;
    std::uint32_t seed = 11000;
    const int offsets[3][6] = {{0, 0, 0, 0, 0, 0}, {3, 2, 5, 1, 7, 3}, {1, 4, 0, 2, 2, 0}};
    const std::uint32_t codes[] = {0xAACC0020, 0x665A0049, 0x1E5AA5C3, 0x33880000};
    // The formats Wine's MaskBlt, which draws through bitmaps of its own, gives back as they
    // were: no spare bits, and no colour table but the usual ones (wine_differences.cpp).
    const std::string kept[] = {"1-bit black and white", "4-bit", "5-6-5", "24-bit",
                                "monochrome bitmap"};
    for (const SweepFormat& format : SweepFormats()) {
        if (std::find(std::begin(kept), std::end(kept), format.name) == std::end(kept)) continue;
        for (const auto& at : offsets) {
            for (const std::uint32_t code : codes) {
                SweepSceneBuilder scene("dst");
                Json blit = WithSource(Blit("maskblt", at[0], at[1], 13, 7), "src", at[2], at[3]);
                blit["mask"] = "mask";
                blit["mx"] = at[4];
                blit["my"] = at[5];
                blit["rop4"] = code;
                seed += 3;
                // Colours only: Wine's MaskBlt goes through bitmaps of its own, which keep
                // neither spare bits nor indices past a table.
                scene.Bitmap("dst", ColorBitmap(format, 20, 12, seed))
                    .Bitmap("src", ColorBitmap(format, 20, 12, seed + 1))
                    .Bitmap("mask", NoiseBitmap(SweepFormats().back(), 24, 10, seed + 2))
                    .Step({{"set", "dst"}, {"brush", {{"solid", SolidFor(format)}}}})
                    .Step(blit);
                char name[96];
                std::snprintf(
                    name, sizeof name, "MaskBlt 0x%08X at (%d, %d) from (%d, %d) mask (%d, %d) on ",
                    static_cast<unsigned>(code), at[0], at[1], at[2], at[3], at[4], at[5]);
                scenes.push_back(scene.Make(name + format.name));
            }
        }
    }
    return scenes;
}

std::vector<SweepScene> ReturnScenes() { return {{"return values", ReturnValues().scene}}; }
