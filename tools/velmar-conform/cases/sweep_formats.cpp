#include "sweep_formats.h"

#include <cstdio>

#include "stock_colors.h"
#include "surface_pixels.h"

namespace {

std::string Hash(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", c.red, c.green, c.blue);
    return text;
}

Json Colors(const std::vector<Rgb>& table) {
    Json colors = Json::array();
    for (const Rgb c : table) colors.push_back(Hash(c));
    return colors;
}

// The 6 x 6 x 6 colour cube and 20 greys: a table of 236 as palette-based programs make them.
std::vector<Rgb> Table236() {
    std::vector<Rgb> table;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                table.push_back({static_cast<std::uint8_t>(51 * r),
                                 static_cast<std::uint8_t>(51 * g),
                                 static_cast<std::uint8_t>(51 * b)});
    for (int i = 0; i < 20; ++i)
        table.push_back({static_cast<std::uint8_t>(12 * i + 8),
                         static_cast<std::uint8_t>(12 * i + 8),
                         static_cast<std::uint8_t>(12 * i + 8)});
    return table;
}

Json Dib(int bpp, Json extra = Json::object()) {
    Json dib = {{"bpp", bpp}};
    dib.update(extra);
    return {{"dib", dib}};
}

Json Bitfields(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return {{"compression", "bitfields"}, {"masks", {r, g, b}}};
}

PixelFormat FormatOf(const Json& dib) {
    PixelFormat format;
    format.bitsPerPixel = dib["bpp"].get<int>();
    format.masks = DefaultMasks(format.bitsPerPixel);
    if (dib.contains("masks"))
        for (int i = 0; i < 3; ++i) format.masks[i] = dib["masks"][i].get<std::uint32_t>();
    if (!dib.contains("colors")) {
        if (format.bitsPerPixel == 1) format.table = DefaultOneBitColors();
        if (format.bitsPerPixel == 4) format.table = DefaultFourBitColors();
        return format;
    }
    for (const Json& c : dib["colors"]) {
        const unsigned long v = std::stoul(c.get<std::string>().substr(1), nullptr, 16);
        format.table.push_back({static_cast<std::uint8_t>(v >> 16),
                                static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)});
    }
    return format;
}

}  // namespace

const std::vector<SweepFormat>& SweepFormats() {
    static const std::vector<SweepFormat> formats = {
        {"1bit-bw", Dib(1, {{"colors", {"#000000", "#FFFFFF"}}}), true},
        {"1bit-inverted", Dib(1, {{"colors", {"#FFFFFF", "#000000"}}}), false},
        {"4bit", Dib(4), true},
        {"8bit-236", Dib(8, {{"colors", Colors(Table236())}}), false},
        {"8bit-5", Dib(8, {{"colors", {"#000000", "#FF0000", "#00C000", "#808080", "#FFFFFF"}}}),
         true},
        {"16bit-555", Dib(16), false},
        {"16bit-565", Dib(16, Bitfields(0xF800, 0x07E0, 0x001F)), true},
        {"16bit-444", Dib(16, Bitfields(0x0F00, 0x00F0, 0x000F)), false},
        {"24bit", Dib(24), true},
        {"32bit", Dib(32), false},
        {"32bit-101010", Dib(32, Bitfields(0x3FF00000, 0x000FFC00, 0x000003FF)), true},
        {"32bit-bgr", Dib(32, Bitfields(0x000000FF, 0x0000FF00, 0x00FF0000)), false},
        {"mono", Json{{"mono", Json::object()}}, true},
    };
    return formats;
}

const SweepFormat& SweepFormatNamed(const std::string& name) {
    for (const SweepFormat& format : SweepFormats())
        if (format.name == name) return format;
    return SweepFormats().front();
}

Surface SweepSurface(const SweepFormat& format, int width, int height) {
    if (format.description.contains("mono")) return MakeMonochromeBitmap(width, height);
    return MakeDibSurface(FormatOf(format.description["dib"]), width,
                          format.topDown ? -height : height);
}

Json SweepBitmap(const SweepFormat& format, const Surface& contents) {
    Json bitmap = format.description;
    Json& body = bitmap.begin().value();
    body["width"] = contents.width;
    body["height"] =
        contents.topDown && !contents.IsMonochromeBitmap() ? -contents.height : contents.height;
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const std::uint8_t byte : contents.bytes) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    body["bits"] = hex;
    return bitmap;
}

void FillRandom(Surface& surface, std::uint32_t seed) {
    SweepRandom random(seed);
    for (std::uint8_t& byte : surface.bytes) byte = static_cast<std::uint8_t>(random.Next());
}

void FillColors(Surface& surface, std::uint32_t seed) {
    SweepRandom random(seed);
    const PixelFormat& f = surface.format;
    const std::uint32_t fields = f.masks[0] | f.masks[1] | f.masks[2];
    for (int y = 0; y < surface.height; ++y) {
        for (int x = 0; x < surface.width; ++x) {
            const std::uint32_t v = random.Next();
            const std::uint32_t pixel =
                f.HasTable() ? v % static_cast<std::uint32_t>(f.table.size()) : v & fields;
            WritePixels(surface, x, y, 1, &pixel);
        }
    }
}
