#include "sweep_scenes.h"

#include <cctype>

#include "color_pixel.h"
#include "rop_truth_table.h"
#include "surface_pixels.h"
#include "sweep_scene_builder.h"

namespace {

bool HasTable(const SweepFormat& f) { return BitsPerPixel(f) <= 8; }

// Operand values with many bits set, an operand's "1" the complement of its "0".
struct Operands {
    std::uint32_t one;
    std::uint32_t zero;
};

Operands OperandValues(const Surface& surface, std::uint32_t pattern) {
    const std::uint32_t mask = PixelValueMask(surface.format.bitsPerPixel);
    return {pattern & mask, ~pattern & mask};
}

// Indices inside the table for a shorter one (Wine takes DIBINDEX past it for 0).
Operands PatternValues(const Surface& surface) {
    const std::uint32_t size = static_cast<std::uint32_t>(surface.format.table.size());
    if (!surface.HasTable() || size == (1u << surface.format.bitsPerPixel))
        return OperandValues(surface, 0xA5C3695A);
    std::uint32_t bits = 1;
    while (bits < size) bits <<= 1;
    return {size - 1, ~(size - 1) & (bits - 1)};
}

// Eight pixels of a row: pixel k is operand bit k of `columns` (F0, CC or AA).
void LayOut(Surface& surface, int y, std::uint8_t columns, Operands values) {
    std::uint32_t row[8];
    for (int k = 0; k < 8; ++k) row[k] = (columns >> k) & 1 ? values.one : values.zero;
    WritePixels(surface, 0, y, 8, row);
}

ConformanceCase AllCodes(const SweepFormat& format) {
    Surface destination = SweepSurface(format, 8, 256);
    Surface source = SweepSurface(format, 8, 1);
    const Operands d = OperandValues(destination, 0x96A55A3C);
    for (int y = 0; y < 256; ++y) LayOut(destination, y, 0xAA, d);
    LayOut(source, 0, 0xCC, OperandValues(source, 0x3C5AC396));
    // The pattern's 1 bits take the background colour: DIBINDEX gives an index outright.
    const Operands p = PatternValues(destination);
    Json set = {{"set", "dst"}, {"brush", {{"pattern", "pat"}}}};
    if (HasTable(format)) {
        set["text"] = "DIBINDEX(" + std::to_string(p.zero) + ")";
        set["bk"] = "DIBINDEX(" + std::to_string(p.one) + ")";
    } else {
        set["text"] = "#5AC33C";
        set["bk"] = "#A53CC3";
    }
    SweepSceneBuilder scene("dst");
    scene.Bitmap("dst", SweepBitmap(format, destination))
        .Bitmap("src", SweepBitmap(format, source))
        .Bitmap("pat", {{"mono", {{"width", 8}, {"height", 1}, {"rows", {"0F00"}}}}})
        .Operands({{"P", {"F0"}}, {"S", {"CC"}}, {"D", {"AA"}}})
        .Step(set);
    for (int index = 0; index < 256; ++index) {
        // Odd indexes without the published low word: only bits 16 to 23 decide.
        const std::uint32_t rop =
            index % 2 ? static_cast<std::uint32_t>(index) << 16
                      : RopTruthTable::CodeFromIndex(static_cast<std::uint8_t>(index));
        Json blit = Blit("bitblt", 0, index, 8, 1, rop);
        blit["src"] = "src";
        scene.Step(blit);
    }
    return scene.Make("codes." + format.name);
}

struct SweepBrush {
    std::string name;
    Json brush;                // the set step's "brush"
    Json extra;                // more of the set step
    std::string bitmapFormat;  // a pattern's format, or empty
    int width = 0, height = 0;
};

std::vector<SweepBrush> SweepBrushes() {
    static const char* const kHatches[] = {"horizontal", "vertical", "fdiagonal",
                                           "bdiagonal",  "cross",    "diagcross"};
    const Json ownPalette = {"#102030", "#405060", "#A0B0C0"};
    std::vector<SweepBrush> brushes = {
        {"solid-3c80c0", {{"solid", "#3C80C0"}}, {}, "", 0, 0},
        {"solid-paletteindex13", {{"solid", "PALETTEINDEX(13)"}}, {}, "", 0, 0},
        {"solid-paletteindex2-own-palette",
         {{"solid", "PALETTEINDEX(2)"}},
         {{"palette", ownPalette}},
         "",
         0,
         0},
        {"solid-dibindex3", {{"solid", "DIBINDEX(3)"}}, {}, "", 0, 0},
        {"solid-ffffff", {{"solid", "#FFFFFF"}}, {}, "", 0, 0},
        {"solid-paletteindex0", {{"solid", "PALETTEINDEX(0)"}}, {}, "", 0, 0},
        {"null", "null", {}, "", 0, 0},
    };
    for (const char* hatch : kHatches) {
        std::string style = "HS_" + std::string(hatch);
        for (char& c : style) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        for (const char* mode : {"opaque", "transparent"})
            brushes.push_back({"hatch-" + std::string(hatch) + "-" + mode,
                               {{"hatch", style}, {"color", "#FF0000"}},
                               {{"bk", "#00C000"}, {"bk_mode", mode}},
                               "",
                               0,
                               0});
    }
    for (const int side : {2, 8, 16})
        brushes.push_back({"mono-pattern-" + std::to_string(side) + "x" + std::to_string(side),
                           {{"pattern", "pat"}},
                           {{"text", "#C03080"}, {"bk", "#20E040"}},
                           "mono",
                           side,
                           side});
    int size = 5;
    for (const SweepFormat& format : SweepFormats()) {
        if (format.description.contains("mono")) continue;
        size = size == 16 ? 5 : size == 8 ? 16 : 8;
        brushes.push_back(
            {"dib-pattern-" + format.name + (format.topDown ? "-top-down" : "-bottom-up"),
             {{"dib_pattern", "pat"}},
             {},
             format.name,
             size,
             size == 5 ? 3 : size});
    }
    brushes.push_back({"pattern-of-32bit-dib", {{"pattern", "pat"}}, {}, "32bit", 6, 6});
    return brushes;
}

}  // namespace

std::vector<ConformanceCase> AllCodeScenes() {
    std::vector<ConformanceCase> scenes;
    for (const SweepFormat& format : SweepFormats()) scenes.push_back(AllCodes(format));
    return scenes;
}

std::vector<ConformanceCase> BrushScenes() {
    std::vector<ConformanceCase> scenes;
    std::uint32_t seed = 1;
    const int origins[3][2] = {{0, 0}, {-3, -13}, {21, 9}};
    for (const SweepFormat& format : SweepFormats()) {
        for (const SweepBrush& brush : SweepBrushes()) {
            for (const auto& origin : origins) {
                SweepSceneBuilder scene("dst");
                scene.Bitmap("dst", NoiseBitmap(format, 29, 23, ++seed));
                if (!brush.bitmapFormat.empty())
                    scene.Bitmap("pat", NoiseBitmap(SweepFormatNamed(brush.bitmapFormat),
                                                    brush.width, brush.height, ++seed));
                Json set = {{"set", "dst"},
                            {"brush", brush.brush},
                            {"brush_origin", {origin[0], origin[1]}}};
                if (brush.extra.is_object()) set.update(brush.extra);
                scene.Step(set)
                    .Step(Blit("patblt", 3, 5, 21, 15, "PATCOPY"))
                    .Step(Blit("patblt", 6, 2, 13, 11, "PATINVERT"))
                    .Step(Blit("patblt", 1, 1, 9, 9, 0x00A000C9));
                scenes.push_back(scene.Make("brush." + brush.name + "." + format.name +
                                            ".origin=" + std::to_string(origin[0]) + "," +
                                            std::to_string(origin[1])));
            }
        }
    }
    return scenes;
}

std::vector<ConformanceCase> AllSweepScenes() {
    std::vector<ConformanceCase> all;
    for (auto group :
         {AllCodeScenes, BrushScenes, ConversionScenes, ColorScenes, MaskScenes, ReturnScenes}) {
        std::vector<ConformanceCase> scenes = group();
        all.insert(all.end(), scenes.begin(), scenes.end());
    }
    return all;
}
