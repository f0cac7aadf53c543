#include "rule_cases.h"

namespace {

// A scene of one bitmap "dst" and, where given, more bitmaps and its steps.
std::string Scene(const std::string& dst, const std::string& more, const std::string& steps) {
    return R"j({"scene": 1, "target": "dst", "bitmaps": {"dst": )j" + dst + more +
           R"j(}, "steps": [)j" + steps + "]}";
}

const char* const kBlackWhite = R"j("colors": ["#000000", "#FFFFFF"])j";
const char* const kFiveColors =
    R"j("colors": ["#000000", "#FF0000", "#00C000", "#808080", "#FFFFFF"])j";

std::string Dib(int bpp, int width, int height, const std::string& rest = "") {
    return R"j({"dib": {"bpp": )j" + std::to_string(bpp) + R"j(, "width": )j" +
           std::to_string(width) + R"j(, "height": )j" + std::to_string(height) +
           (rest.empty() ? "" : ", " + rest) + "}}";
}

std::string Mono(int width, const std::string& row) {
    return R"j({"mono": {"width": )j" + std::to_string(width) + R"j(, "height": 1, "rows": [")j" +
           row + R"j("]}})j";
}

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

// White in the first eight pixels, grey 128 in the next eight: the dither makes 1 1 1 1 1 1 1 1
// and 0 1 0 1 0 1 0 1 of them in row 0.
std::string DitheredPattern(const std::string& target, const std::string& pattern) {
    return Scene(target, R"j(, "pat": )j" + pattern,
                 R"j({"set": "dst", "brush": {"dib_pattern": "pat"}},
                    {"patblt": "dst", "x": 0, "y": 0, "w": 16, "h": 1, "rop": "PATCOPY"})j");
}

std::string TransparentOrNullBrush(const std::string& brush) {
    return Scene(
        Dib(32, 8, -1, R"j("bits": ")j" + Repeat("56341200", 8) + R"j(")j"),
        R"j(, "src": )j" + Dib(32, 8, -1, R"j("bits": ")j" + Repeat("FFFFFF00", 8) + R"j(")j"),
        R"j({"set": "dst", "brush": )j" + brush + R"j(, "bk_mode": "transparent"},
                    {"bitblt": "dst", "x": 0, "y": 0, "w": 8, "h": 1, "src": "src", "rop": "MERGECOPY"})j");
}

std::string MaskBltOf(const std::string& dst, const std::string& more, const std::string& src,
                      const std::string& mask, int w, const char* rop4) {
    return Scene(dst, more,
                 R"j({"maskblt": "dst", "x": 0, "y": 0, "w": )j" + std::to_string(w) +
                     R"j(, "h": 1, "src": )j" + src + R"j(, "mask": )j" + mask +
                     R"j(, "rop4": ")j" + rop4 + R"j("})j");
}

}  // namespace

const std::vector<RuleCase>& RuleCases() {
    const std::string pattern24 =
        Dib(24, 16, 1, R"j("bits": ")j" + Repeat("FFFFFF", 8) + Repeat("808080", 8) + R"j(")j");
    const std::string oneBit16 = Dib(1, 16, 1, kBlackWhite);
    static const std::vector<RuleCase> table = {
        {"rule.patblt-negative-width",
         "PatBlt(2, 2, -1, 1) fills pixel (1, 2): a negative width names the columns [x + w, x)",
         Scene(Dib(8, 4, -3, kBlackWhite), "",
               R"j({"patblt": "dst", "x": 2, "y": 2, "w": -1, "h": 1, "rop": "WHITENESS"})j"),
         {true},
         "00000000"
         "00000000"
         "00FF0000"},
        {"rule.bitblt-negative-width",
         "BitBlt with a negative width takes the columns [x + w, x) from [sx + w, sx)",
         Scene(
             Dib(8, 4, -1, kBlackWhite),
             R"j(, "src": )j" +
                 Dib(8, 4, -1, std::string(kBlackWhite) + R"j(, "bits": "01020304")j"),
             R"j({"bitblt": "dst", "x": 3, "y": 0, "w": -2, "h": 1, "src": "src", "sx": 3, "rop": "SRCCOPY"})j"),
         {true},
         "00020300"},
        {"rule.maskblt-negative-width",
         "MaskBlt with a negative width does the same, the mask's columns [mx + w, mx) with it",
         Scene(
             Dib(8, 4, -1, kBlackWhite),
             R"j(, "src": )j" +
                 Dib(8, 4, -1, std::string(kBlackWhite) + R"j(, "bits": "01020304")j") +
                 R"j(, "m": )j" + Mono(4, "F000"),
             R"j({"maskblt": "dst", "x": 3, "y": 0, "w": -2, "h": 1, "src": "src", "sx": 3, "mask": "m", "mx": 3, "rop4": "0xAACC0020"})j"),
         {true},
         "00020300"},
        {"rule.solid-on-mono-dither",
         "a solid colour on a monochrome bitmap is the 8 x 8 ordered dither, B8 row 0 across",
         Scene(R"j({"mono": {"width": 8, "height": 2}})j", "",
               R"j({"set": "dst", "brush": {"solid": "#00FF00"}},
                  {"patblt": "dst", "x": 0, "y": 0, "w": 8, "h": 2, "rop": "PATCOPY"})j"),
         {true, true},
         "EE00"
         "5500"},
        {"rule.24bit-pattern-onto-1bit-dither",
         "a 24-bit pattern onto a 1-bit DIB: white where 256 L + 255 B16 > 65,025",
         DitheredPattern(oneBit16, pattern24),
         {true, true},
         "FF550000"},
        {"rule.24bit-pattern-onto-mono-dither",
         "a 24-bit pattern onto a monochrome bitmap: the same dither",
         DitheredPattern(R"j({"mono": {"width": 16, "height": 1}})j", pattern24),
         {true, true},
         "FF55"},
        {"rule.16bit-pattern-onto-1bit-dither",
         "a 16-bit pattern onto a 1-bit DIB: the same dither",
         DitheredPattern(
             oneBit16,
             Dib(16, 16, 1, R"j("bits": ")j" + Repeat("FF7F", 8) + Repeat("1042", 8) + R"j(")j")),
         {true, true},
         "FF550000"},
        {"rule.8bit-pattern-onto-1bit-dither",
         "an 8-bit pattern onto a 1-bit DIB: the same dither",
         DitheredPattern(oneBit16, Dib(8, 16, 1,
                                       R"j("colors": ["#FFFFFF", "#808080"], "bits": ")j" +
                                           Repeat("00", 8) + Repeat("01", 8) + R"j(")j")),
         {true, true},
         "FF550000"},
        {"rule.4bit-pattern-onto-1bit-dither",
         "a 4-bit pattern onto a 1-bit DIB: the same dither",
         DitheredPattern(oneBit16, Dib(4, 16, 1, R"j("bits": "FFFFFFFF77777777")j")),
         {true, true},
         "FF550000"},
        {"rule.1bit-pattern-onto-1bit-dither",
         "a 1-bit pattern onto a 1-bit DIB: the same dither",
         DitheredPattern(
             oneBit16, Dib(1, 16, 1, R"j("colors": ["#FFFFFF", "#808080"], "bits": "00FF0000")j")),
         {true, true},
         "FF550000"},
        {"rule.solid-on-1bit-nearest-entry",
         "a solid colour on a 1-bit DIB is its nearest entry, whatever the background",
         Scene(Dib(1, 8, 1, kBlackWhite), "",
               R"j({"set": "dst", "brush": {"solid": "#A0B0C0"}},
                  {"patblt": "dst", "x": 0, "y": 0, "w": 8, "h": 1, "rop": "PATCOPY"})j"),
         {true, true},
         "FF000000"},
        {"rule.dibindex-past-table-as-pattern-colours",
         "DIBINDEX(n) as a monochrome pattern's colours is the raw index n, past the table too",
         Scene(
             Dib(8, 2, 1, kFiveColors), R"j(, "pat": )j" + Mono(2, "4000"),
             R"j({"set": "dst", "text": "DIBINDEX(200)", "bk": "DIBINDEX(100)", "brush": {"pattern": "pat"}},
                  {"patblt": "dst", "x": 0, "y": 0, "w": 2, "h": 1, "rop": "PATCOPY"})j"),
         {true, true},
         "C8640000"},
        {"rule.dibindex-colours-onto-1bit",
         "DIBINDEX as text and background colours onto a 1-bit DIB: the indices themselves",
         Scene(Dib(1, 8, 1, kBlackWhite), R"j(, "m": )j" + Mono(8, "0F00"),
               R"j({"set": "dst", "text": "DIBINDEX(1)", "bk": "DIBINDEX(0)"},
                  {"bitblt": "dst", "x": 0, "y": 0, "w": 8, "h": 1, "src": "m", "rop": "SRCCOPY"})j"),
         {true, true},
         "F0000000"},
        {"rule.24bit-source-into-4bit-cut",
         "a 24-bit source into a 4-bit table: channels cut to (c & ~7) + 4, then the nearest entry",
         Scene(
             Dib(4, 2, 1), R"j(, "src": )j" + Dib(24, 2, 1, R"j("bits": "404040A0A0A00000")j"),
             R"j({"bitblt": "dst", "x": 0, "y": 0, "w": 2, "h": 1, "src": "src", "rop": "SRCCOPY"})j"),
         {true},
         "78000000"},
        {"rule.24bit-pattern-into-4bit-cut",
         "a 24-bit pattern into a 4-bit table: the same cut",
         Scene(Dib(4, 2, 1), R"j(, "pat": )j" + Dib(24, 2, 1, R"j("bits": "404040A0A0A00000")j"),
               R"j({"set": "dst", "brush": {"dib_pattern": "pat"}},
                  {"patblt": "dst", "x": 0, "y": 0, "w": 2, "h": 1, "rop": "PATCOPY"})j"),
         {true, true},
         "78000000"},
        {"rule.transparent-hatch-in-bitblt",
         "a transparent hatch's gaps leave the destination as it is in BitBlt too",
         TransparentOrNullBrush(R"j({"hatch": "HS_VERTICAL", "color": "#FF0000"})j"),
         {true, true},
         Repeat("56341200", 4) + "0000FF00" + Repeat("56341200", 3)},
        {"rule.null-brush-in-bitblt",
         "a null brush leaves the destination as it is where the code reads it",
         TransparentOrNullBrush(R"j("null")j"),
         {true, true},
         Repeat("56341200", 8)},
        {"rule.maskblt-brush-at-dc-origin",
         "MaskBlt draws the DC's brush at the DC's origin, with the DC's background colour",
         Scene(
             Dib(32, 8, 1), R"j(, "src": )j" + Dib(32, 8, 1) + R"j(, "m": )j" + Mono(8, "FF00"),
             R"j({"set": "dst", "brush": {"hatch": "HS_VERTICAL", "color": "#FF0000"}, "bk": "#00FF00", "brush_origin": [2, 0]},
                  {"maskblt": "dst", "x": 1, "y": 0, "w": 7, "h": 1, "src": "src", "mask": "m", "rop4": "0xF0F00021"})j"),
         {true, true},
         "00000000" + Repeat("00FF0000", 5) +
             "0000FF00"
             "00FF0000"},
        {"rule.maskblt-without-source-fails",
         "MaskBlt fails without a source, even for PATCOPY",
         MaskBltOf(Dib(32, 2, 1), R"j(, "m": )j" + Mono(2, "C000"), "null", R"j("m")j", 2,
                   "0xF0F00021"),
         {false},
         "0000000000000000"},
        {"rule.maskblt-narrow-mask-fails",
         "MaskBlt fails with a mask narrower than the rectangle",
         MaskBltOf(Dib(32, 2, 1),
                   R"j(, "src": )j" + Dib(32, 2, 1, R"j("fill": "0xFF")j") + R"j(, "m": )j" +
                       Mono(1, "8000"),
                   R"j("src")j", R"j("m")j", 2, "0xAACC0020"),
         {false},
         "0000000000000000"},
        {"rule.maskblt-deep-mask-fails",
         "MaskBlt fails with a mask of more than one bit a pixel",
         MaskBltOf(Dib(32, 2, 1),
                   R"j(, "src": )j" + Dib(32, 2, 1, R"j("fill": "0xFF")j") + R"j(, "m": )j" +
                       Dib(32, 2, 1, R"j("fill": "0xFF")j"),
                   R"j("src")j", R"j("m")j", 2, "0xAACC0020"),
         {false},
         "0000000000000000"},
        {"rule.maskblt-spare-byte-kept",
         "MaskBlt works on the stored values, a 32-bit pixel's spare byte included",
         MaskBltOf(Dib(32, 2, 1),
                   R"j(, "src": )j" + Dib(32, 2, 1, R"j("bits": "FFFFFF0000000000")j") +
                       R"j(, "m": )j" + Mono(2, "4000"),
                   R"j("src")j", R"j("m")j", 2, "0x33880000"),
         {true},
         "000000FF00000000"},
        {"rule.maskblt-indices-past-table-kept",
         "MaskBlt works on the stored values, indices past a table included",
         MaskBltOf(Dib(8, 2, 1, kFiveColors),
                   R"j(, "src": )j" +
                       Dib(8, 2, 1, std::string(kFiveColors) + R"j(, "bits": "C8C80000")j") +
                       R"j(, "m": )j" + Mono(2, "C000"),
                   R"j("src")j", R"j("m")j", 2, "0xAACC0020"),
         {true},
         "C8C80000"},
        {"rule.maskblt-palette-indices-kept",
         "MaskBlt keeps the indices of a palette DIB as they are",
         MaskBltOf(Dib(8, 4, 1, std::string(kFiveColors) + R"j(, "bits": "01010101")j"),
                   R"j(, "src": )j" +
                       Dib(8, 4, 1, std::string(kFiveColors) + R"j(, "bits": "03030303")j") +
                       R"j(, "m": )j" + Mono(4, "A000"),
                   R"j("src")j", R"j("m")j", 4, "0xAACC0020"),
         {true},
         "03010301"},
        {"rule.1bit-onto-itself-read-first",
         "a 1-bit DIB blitted onto itself, to the right in one row, is read before it is written",
         Scene(
             Dib(1, 15, 1, std::string(kBlackWhite) + R"j(, "bits": "E30DE4DE")j"), "",
             R"j({"bitblt": "dst", "x": 2, "y": 0, "w": 11, "h": 1, "src": "dst", "rop": "SRCCOPY"})j"),
         {true},
         "F8C5E4DE"},
        {"rule.dib-pal-colors-index-in-palette",
         "a DIB_PAL_COLORS index inside the DC's palette takes that entry",
         Scene(
             Dib(32, 2, 1),
             R"j(, "pat": )j" + Dib(8, 2, 1, R"j("indices": [0, 7], "bits": "00010000")j"),
             R"j({"set": "dst", "palette": ["#102030", "#405060", "#708090", "#A0B0C0", "#D0E0F0", "#112233",
                                             "#445566", "#778899", "#AABBCC", "#DDEEFF", "#FF8000", "#0080FF"],
                   "brush": {"dib_pattern": "pat", "usage": "pal"}},
                  {"patblt": "dst", "x": 0, "y": 0, "w": 2, "h": 1, "rop": "PATCOPY"})j"),
         {true, true},
         "3020100099887700"},
    };
    return table;
}
