#include <cstdio>

#include "return_values.h"
#include "sweep_scene_builder.h"

namespace {

std::string Hex8(std::uint32_t code) {
    char text[12];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(code));
    return text;
}

// A mask of a monochrome bitmap, a source and a destination of colours only (spare bits and
// indices past a table are rule cases of their own), the brush set by `set`.
SweepSceneBuilder MaskScene(const SweepFormat& format, const Json& mask, Json set,
                            std::uint32_t seed) {
    SweepSceneBuilder scene("dst");
    scene.Bitmap("dst", ColorBitmap(format, 20, 12, seed))
        .Bitmap("src", ColorBitmap(format, 20, 12, seed + 1))
        .Bitmap("mask", mask)
        .Step(std::move(set));
    return scene;
}

Json MaskBltStep(int x, int y, int sx, int sy, int mx, int my, std::uint32_t rop4) {
    Json blit = WithSource(Blit("maskblt", x, y, 13, 7), "src", sx, sy);
    blit["mask"] = "mask";
    blit["mx"] = mx;
    blit["my"] = my;
    blit["rop4"] = rop4;
    return blit;
}

// The brushes MaskBlt draws with the destination DC's colours and origin.
std::vector<std::pair<std::string, Json>> MaskBrushes() {
    return {{"hatch", {{"hatch", "HS_DIAGCROSS"}, {"color", "#FF0000"}}},
            {"mono-pattern", {{"pattern", "pat"}}},
            {"dib-pattern", {{"dib_pattern", "pat"}}}};
}

// One call GDI refuses, then one it takes: the first draws nothing.
ConformanceCase Failure(const std::string& name, const std::string& bitmaps,
                        const std::string& refused) {
    return {"fail." + name,
            R"j({"scene": 1, "target": "dst", "bitmaps": {"dst": {"dib": {"bpp": 32, "width": 8,
                "height": 4, "fill": "0x5A"}})j" +
                bitmaps + R"j(}, "steps": [)j" + refused +
                R"j(, {"patblt": "dst", "x": 0, "y": 0, "w": 2, "h": 2, "rop": "DSTINVERT"}]})j"};
}

}  // namespace

std::vector<ConformanceCase> MaskScenes() {
    std::vector<ConformanceCase> scenes;
    std::uint32_t seed = 11000;
    const int offsets[3][6] = {{0, 0, 0, 0, 0, 0}, {3, 2, 5, 1, 7, 3}, {1, 4, 0, 2, 2, 0}};
    const std::uint32_t codes[] = {0xAACC0020, 0x665A0049, 0x1E5AA5C3, 0x33880000};
    const SweepFormat& mono = SweepFormats().back();
    for (const SweepFormat& format : SweepFormats()) {
        for (const auto& at : offsets) {
            for (const std::uint32_t code : codes) {
                seed += 3;
                SweepSceneBuilder scene =
                    MaskScene(format, NoiseBitmap(mono, 24, 10, seed + 2),
                              {{"set", "dst"}, {"brush", {{"solid", SolidFor(format)}}}}, seed);
                scene.Step(MaskBltStep(at[0], at[1], at[2], at[3], at[4], at[5], code));
                scenes.push_back(
                    scene.Make("maskblt." + Hex8(code) + ".at=" + std::to_string(at[0]) + "," +
                               std::to_string(at[1]) + ".src=" + std::to_string(at[2]) + "," +
                               std::to_string(at[3]) + ".mask=" + std::to_string(at[4]) + "," +
                               std::to_string(at[5]) + "." + format.name));
            }
        }
    }
    for (const char* name : {"1bit-bw", "8bit-236", "24bit", "mono"}) {
        const SweepFormat& format = SweepFormatNamed(name);
        for (const auto& [brush, description] : MaskBrushes()) {
            seed += 3;
            Json set = {{"set", "dst"},
                        {"brush", description},
                        {"text", "#C03080"},
                        {"bk", "#20E040"},
                        {"brush_origin", {3, -2}}};
            SweepSceneBuilder scene =
                MaskScene(format, NoiseBitmap(mono, 24, 10, seed + 2), set, seed);
            if (brush == "mono-pattern") scene.Bitmap("pat", NoiseBitmap(mono, 8, 8, seed + 3));
            if (brush == "dib-pattern")
                scene.Bitmap("pat", NoiseBitmap(SweepFormatNamed("24bit"), 5, 3, seed + 3));
            scene.Step(MaskBltStep(2, 1, 3, 2, 1, 1, 0x1E5AA5C3));
            scenes.push_back(scene.Make("maskblt-brush." + brush + "." + format.name));
        }
        // A 1-bit DIB as the mask: 1 where its colour is its DC's background colour.
        seed += 3;
        SweepSceneBuilder scene =
            MaskScene(format, NoiseBitmap(SweepFormatNamed("1bit-bw"), 24, 10, seed + 2),
                      {{"set", "mask"}, {"bk", "#000000"}}, seed);
        scene.Step(MaskBltStep(2, 1, 3, 2, 5, 2, 0xAACC0020));
        scenes.push_back(scene.Make("maskblt-dib-mask." + format.name));
    }
    return scenes;
}

std::vector<ConformanceCase> ReturnScenes() {
    const std::string source = R"j(, "src": {"dib": {"bpp": 32, "width": 8, "height": 4}})j";
    const std::string mask = R"j(, "m": {"mono": {"width": 8, "height": 4}})j";
    return {
        {"returns", ReturnValues().scene},
        Failure("patblt-reads-source", "",
                R"j({"patblt": "dst", "x": 0, "y": 0, "w": 8, "h": 4, "rop": "SRCCOPY"})j"),
        Failure("bitblt-without-source", "",
                R"j({"bitblt": "dst", "x": 0, "y": 0, "w": 8, "h": 4, "src": null,
                     "rop": "SRCINVERT"})j"),
        Failure("hatch-style-12", "",
                R"j({"set": "dst", "brush": {"hatch": 12, "color": "#FF0000"}})j"),
        Failure("hatch-style--1", "",
                R"j({"set": "dst", "brush": {"hatch": -1, "color": "#FF0000"}})j"),
        Failure("maskblt-mask-columns-past-its-width", source + mask,
                R"j({"maskblt": "dst", "x": 0, "y": 0, "w": 8, "h": 4, "src": "src",
                     "mask": "m", "mx": 4, "rop4": "0xAACC0020"})j"),
    };
}
