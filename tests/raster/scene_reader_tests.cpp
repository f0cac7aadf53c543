#include <gtest/gtest.h>

#include <string>

#include "scene_reader.h"

namespace {

// A scene of one 8-bit DIB "d" and the given steps, or other bitmaps in its place.
std::string With(const std::string& steps,
                 const std::string& bitmaps =
                     R"j("d": {"dib": {"bpp": 8, "width": 4, "height": 2, "colors": ["#000000"]}},
                                                   "m": {"mono": {"width": 4, "height": 1}})j") {
    return R"j({"scene": 1, "bitmaps": {)j" + bitmaps + R"j(}, "target": "d", "steps": [)j" +
           steps + "]}";
}

std::string Bitmap(const std::string& dib) { return With("", R"j("d": {"dib": {)j" + dib + "}}"); }

struct BadScene {
    std::string text;
    std::string fault;
};

// Every fault names its place and what is wrong, on one line.
TEST(SceneReader, EveryFaultNamesItsPlace) {
    const std::string patblt =
        R"j({"patblt": "d", "x": 0, "y": 0, "w": 1, "h": 1, "rop": "PATCOPY"})j";
    const BadScene scenes[] = {
        {"[]", "[] is not an object"},
        {R"j({"scene": 1e999})j", "not JSON: a number past the range of a double"},
        {"{}", R"j("scene" is missing)j"},
        {R"j({"scene": 2})j", "scene: 2 is not a scene version this program reads (1)"},
        {Bitmap(R"j("bpp": 7, "width": 1, "height": 1)j"),
         "bitmaps.d.dib.bpp: 7 is not a bit count (1, 4, 8, 16, 24 or 32)"},
        {Bitmap(R"j("bpp": 24, "width": 16385, "height": 1)j"),
         "bitmaps.d.dib.width: 16385 is not a side from 1 to 16384"},
        {Bitmap(R"j("bpp": 24, "width": 1, "height": 0)j"),
         "bitmaps.d.dib.height: 0 is not a side (it is 0)"},
        {Bitmap(R"j("bpp": 32, "width": 16384, "height": -8192)j"),
         "bitmaps.d: the scene's bitmaps come to more than 256 MiB"},
        {Bitmap(R"j("bpp": 8, "width": 1, "height": 1)j"),
         R"j(bitmaps.d.dib: an 8-bit DIB needs "colors" or "indices")j"},
        {Bitmap(
             R"j("bpp": 1, "width": 1, "height": 1, "colors": ["#000000", "#FFFFFF", "#FF0000"])j"),
         R"j(bitmaps.d.dib.colors: ["#000000","#FFFFFF","#FF0000"] is not a list of 1 to 2 colours "#RRGGBB")j"},
        {Bitmap(R"j("bpp": 4, "width": 1, "height": 1, "colors": ["#000000", "#12345"])j"),
         R"j(bitmaps.d.dib.colors[1]: "#12345" is not a colour "#RRGGBB")j"},
        {Bitmap(R"j("bpp": 24, "width": 1, "height": 1, "colors": ["#000000"])j"),
         "bitmaps.d.dib: a 24-bit DIB has no colour table"},
        {Bitmap(
             R"j("bpp": 16, "width": 1, "height": 1, "compression": "bitfields", "masks": [3855, 240, 15])j"),
         "bitmaps.d.dib.masks[0]: 3855 is not a mask of one run of bits, inside the pixel, apart "
         "from the others"},
        {Bitmap(R"j("bpp": 24, "width": 1, "height": 1, "masks": [255, 65280, 16711680])j"),
         R"j(bitmaps.d.dib.masks: masks go with "compression": "bitfields")j"},
        {Bitmap(R"j("bpp": 24, "width": 1, "height": 1, "bits": "00 11 22")j"),
         "bitmaps.d.dib.bits: has 3 bytes, not the 4 the bitmap has"},
        {Bitmap(R"j("bpp": 24, "width": 1, "height": 1, "bits": "00 11 2g 33")j"),
         "bitmaps.d.dib.bits: 'g' is not a hexadecimal digit"},
        {With("", R"j("d": {"mono": {"width": 17, "height": 1, "rows": ["FFFF"]}})j"),
         "bitmaps.d.mono.rows[0]: has 2 bytes, not the 4 the bitmap has"},
        {With(
             "",
             R"j("d": {"dib": {"bpp": 1, "width": 1, "height": 1}, "mono": {"width": 1, "height": 1}})j"),
         R"j(bitmaps.d: a bitmap is either "dib" or "mono")j"},
        {R"j({"scene": 1, "bitmaps": {"d": {"mono": {"width": 1, "height": 1}}}, "target": "x", "steps": []})j",
         R"j(target: "x" is not the name of a bitmap)j"},
        {With(R"j({"copy": "d"})j"), "steps[0]: a step is one of set, patblt, bitblt and maskblt"},
        {With(
             patblt + "," + patblt + "," + patblt +
             R"j(, {"bitblt": "d", "x": 0, "y": 0, "w": 1, "h": 1, "src": "d", "rop": "SRCCOPYY"})j"),
         R"j(steps[3].rop: "SRCCOPYY" is not a raster-operation code)j"},
        {With(
             R"j({"maskblt": "d", "x": 0, "y": 0, "w": 1, "h": 1, "src": null, "mask": null, "rop4": "SRCCOPY"})j"),
         R"j(steps[0].rop4: "SRCCOPY" is not a MaskBlt code)j"},
        {With(R"j({"patblt": "d", "x": 2147483648, "y": 0, "w": 1, "h": 1, "rop": 0})j"),
         "steps[0].x: 2147483648 is not a whole number from -2147483648 to 2147483647"},
        {With(R"j({"patblt": "d", "x": 0, "y": 0, "w": 1, "rop": 0})j"),
         R"j(steps[0]: "h" is missing)j"},
        {With(R"j({"set": "d", "text": "PALETTEINDEX(70000)"})j"),
         R"j(steps[0].text: "PALETTEINDEX(70000)" is not a colour (a COLORREF, "#RRGGBB", "PALETTEINDEX(n)" or "DIBINDEX(n)"))j"},
        {With(R"j({"set": "d", "bk_mode": "clear"})j"),
         R"j(steps[0].bk_mode: "clear" is not "opaque" or "transparent")j"},
        {With(R"j({"set": "d", "brush": {"hatch": "HS_PLAID", "color": 0}})j"),
         R"j(steps[0].brush.hatch: "HS_PLAID" is not a hatch style (a number, or HS_HORIZONTAL ... HS_DIAGCROSS))j"},
        {With(R"j({"set": "d", "brush": {"dib_pattern": "m"}})j"),
         R"j(steps[0].brush.dib_pattern: "m" is not a DIB)j"},
        {With(R"j({"set": "d", "brush": {"dib_pattern": "d", "usage": "pal"}})j"),
         R"j(steps[0].brush.usage: "pal" needs a DIB with "indices")j"},
        {With(R"j({"set": "d", "brush_origin": [1]})j"),
         "steps[0].brush_origin: [1] is not [x, y]"},
        {With(R"j({"set": "d", "patblt": "d"})j"),
         "steps[0]: a step is one of set, patblt, bitblt and maskblt, not both set and patblt"},
        {With(R"j({"bitblt": "nowhere", "x": 0, "y": 0, "w": 1, "h": 1, "src": null, "rop": 0})j"),
         R"j(steps[0].bitblt: "nowhere" is not the name of a bitmap)j"},
    };
    for (const BadScene& scene : scenes) {
        const SceneReading reading = ReadScene(scene.text);
        EXPECT_FALSE(reading.scene) << scene.text;
        EXPECT_EQ(reading.fault, scene.fault);
    }
    EXPECT_EQ(
        ReadScene(R"j({"scene": 1,)j").fault.rfind("not JSON: parse error at line 1, column 13", 0),
        0u)
        << ReadScene(R"j({"scene": 1,)j").fault;
}

// Colours in every spelling, codes as numbers, "0x..." and names, and keys of the scene's own.
TEST(SceneReader, ValuesInEverySpelling) {
    const struct {
        const char* text;
        ColorRef color;
    } colors[] = {
        {R"j("#102030")j", 0x302010},           {"16777215", 0xFFFFFF},
        {R"j("0x01000005")j", 0x01000005},      {R"j("0x03000102")j", 0x01000102},
        {R"j("0x10FF0003")j", 0x10FF0003},      {R"j("0x02FF8040")j", 0xFF8040},
        {R"j("PALETTEINDEX(7)")j", 0x01000007}, {R"j("DIBINDEX(300)")j", 0x10FF012C},
    };
    for (const auto& c : colors) {
        const SceneReading reading = ReadScene(
            With(std::string(R"j({"set": "d", "notes": "kept apart", "text": )j") + c.text + "}"));
        ASSERT_TRUE(reading.scene) << reading.fault;
        EXPECT_EQ(*std::get<SetStep>(reading.scene->steps[0]).text, c.color) << c.text;
    }
    for (const char* rop : {R"j("SRCCOPY")j", R"j("0x00CC0020")j", "13369376"}) {
        const SceneReading reading = ReadScene(
            With(std::string(R"j({"patblt": "d", "x": 0, "y": 0, "w": 1, "h": 1, "rop": )j") + rop +
                 "}"));
        ASSERT_TRUE(reading.scene) << reading.fault;
        EXPECT_EQ(std::get<PatBltStep>(reading.scene->steps[0]).rop, 0x00CC0020u) << rop;
    }
}

}  // namespace
