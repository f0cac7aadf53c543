#include <cstdlib>

#include "palette_colors.h"
#include "rop_text_chars.h"
#include "scene_parts.h"
#include "stock_colors.h"

namespace {

bool IsBitCount(std::int64_t bpp) {
    return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

std::array<std::uint32_t, 3> ReadMasks(const Json& dib, const ScenePlace& place, int bpp) {
    const ScenePlace at = place.Key("masks");
    const Json& masks = Required(dib, place, "masks");
    if (!masks.is_array() || masks.size() != 3)
        FaultWith(at, masks, "is not three masks [red, green, blue]");
    std::array<std::uint32_t, 3> result{};
    std::uint32_t seen = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        result[i] = ReadWord(masks[i], at.Index(i), "a mask");
        if (!IsContiguousMask(result[i]) || (result[i] & ~PixelValueMask(bpp)) ||
            (result[i] & seen))
            FaultWith(at.Index(i), masks[i],
                      "is not a mask of one run of bits, inside the pixel, apart from the others");
        seen |= result[i];
    }
    return result;
}

std::vector<Rgb> ReadColors(const Json& colors, const ScenePlace& place, int bpp) {
    if (!colors.is_array() || colors.empty() || colors.size() > (std::size_t{1} << bpp))
        FaultWith(place, colors,
                  "is not a list of 1 to " + std::to_string(1 << bpp) + " colours \"#RRGGBB\"");
    std::vector<Rgb> table;
    for (std::size_t i = 0; i < colors.size(); ++i)
        table.push_back(ReadHashColor(colors[i], place.Index(i)));
    return table;
}

std::vector<std::uint16_t> ReadIndices(const Json& indices, const ScenePlace& place, int bpp) {
    if (!indices.is_array() || indices.empty() || indices.size() > (std::size_t{1} << bpp))
        FaultWith(place, indices, "is not a list of 1 to " + std::to_string(1 << bpp) + " indices");
    std::vector<std::uint16_t> result;
    for (std::size_t i = 0; i < indices.size(); ++i)
        result.push_back(static_cast<std::uint16_t>(
            ReadInteger(indices[i], place.Index(i), 0, 0xFFFF, "a palette index")));
    return result;
}

// The colour table of a DIB of 8 bits or fewer: "colors", "indices" or the default.
void ReadTable(const Json& dib, const ScenePlace& place, SceneBitmap& bitmap, PixelFormat& format) {
    const Json* colors = Optional(dib, "colors");
    const Json* indices = Optional(dib, "indices");
    const int bpp = format.bitsPerPixel;
    if (bpp > 8) {
        if (colors || indices)
            Fault(place, "a " + std::to_string(bpp) + "-bit DIB has no colour table");
        return;
    }
    if (colors && indices) Fault(place, "\"colors\" and \"indices\" cannot go together");
    if (colors) {
        format.table = ReadColors(*colors, place.Key("colors"), bpp);
    } else if (indices) {
        bitmap.paletteIndices = ReadIndices(*indices, place.Key("indices"), bpp);
        format.table = PaletteColorsTable(*bitmap.paletteIndices, DefaultPalette());
    } else if (bpp == 8) {
        Fault(place, "an 8-bit DIB needs \"colors\" or \"indices\"");
    } else {
        format.table = bpp == 1 ? DefaultOneBitColors() : DefaultFourBitColors();
    }
}

PixelFormat ReadDibFormat(const Json& dib, const ScenePlace& place, SceneBitmap& bitmap) {
    PixelFormat format;
    const std::int64_t bpp = ReadInteger(Required(dib, place, "bpp"), place.Key("bpp"), 1, 32);
    if (!IsBitCount(bpp))
        FaultWith(place.Key("bpp"), dib["bpp"], "is not a bit count (1, 4, 8, 16, 24 or 32)");
    format.bitsPerPixel = static_cast<int>(bpp);
    format.masks = DefaultMasks(format.bitsPerPixel);
    const Json* compression = Optional(dib, "compression");
    if (compression && *compression == "bitfields") {
        if (bpp != 16 && bpp != 32)
            Fault(place.Key("compression"), "\"bitfields\" is for 16 and 32 bits");
        format.masks = ReadMasks(dib, place, format.bitsPerPixel);
        bitmap.bitfields = true;
    } else if (compression && *compression != "rgb") {
        FaultWith(place.Key("compression"), *compression, "is not \"rgb\" or \"bitfields\"");
    } else if (Optional(dib, "masks")) {
        Fault(place.Key("masks"), "masks go with \"compression\": \"bitfields\"");
    }
    ReadTable(dib, place, bitmap, format);
    return format;
}

std::uint8_t ReadByte(const Json& value, const ScenePlace& place) {
    const std::uint32_t byte = ReadWord(value, place, "a byte");
    if (byte > 0xFF) FaultWith(place, value, "is not a byte");
    return static_cast<std::uint8_t>(byte);
}

// Hexadecimal digits in pairs, white space anywhere between them; exactly `size` bytes.
std::vector<std::uint8_t> ReadHex(const Json& value, const ScenePlace& place, std::size_t size) {
    if (!value.is_string()) FaultWith(place, value, "is not a string of hexadecimal digits");
    std::vector<std::uint8_t> bytes;
    bytes.reserve(size);
    std::size_t digits = 0;
    int high = 0;
    for (const char c : value.get_ref<const std::string&>()) {
        if (IsRopSpace(c)) continue;
        const int digit = RopHexDigitValue(c);
        if (digit < 0) Fault(place, DescribeRopTextChar(c) + " is not a hexadecimal digit");
        if (digits++ % 2 == 0)
            high = digit;
        else if (bytes.size() < size)
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
    }
    if (digits % 2) Fault(place, "has an odd number of hexadecimal digits");
    if (digits / 2 != size)
        Fault(place, "has " + std::to_string(digits / 2) + " bytes, not the " +
                         std::to_string(size) + " the bitmap has");
    return bytes;
}

void ReadMonochromeRows(const Json& rows, const ScenePlace& place, Surface& surface) {
    if (!rows.is_array() || rows.size() != static_cast<std::size_t>(surface.height))
        FaultWith(place, rows, "is not " + std::to_string(surface.height) + " rows");
    for (std::size_t y = 0; y < rows.size(); ++y) {
        const std::vector<std::uint8_t> row = ReadHex(rows[y], place.Index(y), surface.stride);
        std::copy(row.begin(), row.end(), surface.Row(static_cast<int>(y)));
    }
}

// "fill", "bits" or, for a monochrome bitmap, "rows"; all zero without any.
void ReadContents(const Json& description, const ScenePlace& place, Surface& surface) {
    const Json* fill = Optional(description, "fill");
    const Json* bits = Optional(description, "bits");
    const Json* rows = surface.IsMonochromeBitmap() ? Optional(description, "rows") : nullptr;
    if ((fill != nullptr) + (bits != nullptr) + (rows != nullptr) > 1)
        Fault(place, "give one of \"fill\", \"bits\" and \"rows\"");
    if (fill) surface.bytes.assign(surface.bytes.size(), ReadByte(*fill, place.Key("fill")));
    if (bits) surface.bytes = ReadHex(*bits, place.Key("bits"), surface.bytes.size());
    if (rows) ReadMonochromeRows(*rows, place.Key("rows"), surface);
    if (surface.IsMonochromeBitmap()) ClearMonochromePadding(surface);
}

int ReadSide(const Json& description, const ScenePlace& place, const char* key, bool signedSide) {
    const std::int64_t side =
        ReadInteger(Required(description, place, key), place.Key(key),
                    signedSide ? -kSceneSideLimit : 1, kSceneSideLimit, "a side");
    if (side == 0) FaultWith(place.Key(key), description[key], "is not a side (it is 0)");
    return static_cast<int>(side);
}

// Counts the bitmap's bytes into the scene's before any is made.
void ClaimBytes(std::size_t stride, int height, const ScenePlace& place, std::size_t& total) {
    total += stride * static_cast<std::size_t>(std::abs(height));
    if (total > kSceneBytesLimit) Fault(place, "the scene's bitmaps come to more than 256 MiB");
}

SceneBitmap ReadBitmap(const std::string& name, const Json& value, const ScenePlace& place,
                       std::size_t& total) {
    RequireObject(value, place);
    SceneBitmap bitmap;
    bitmap.name = name;
    const Json* dib = Optional(value, "dib");
    const Json* mono = Optional(value, "mono");
    if ((dib != nullptr) == (mono != nullptr))
        Fault(place, "a bitmap is either \"dib\" or \"mono\"");
    const ScenePlace at = place.Key(dib ? "dib" : "mono");
    RequireObject(dib ? *dib : *mono, at);
    if (dib) {
        const int width = ReadSide(*dib, at, "width", false);
        const int height = ReadSide(*dib, at, "height", true);
        PixelFormat format = ReadDibFormat(*dib, at, bitmap);
        ClaimBytes(DibStride(width, format.bitsPerPixel), height, place, total);
        bitmap.surface = MakeDibSurface(std::move(format), width, height);
    } else {
        const int width = ReadSide(*mono, at, "width", false);
        const int height = ReadSide(*mono, at, "height", false);
        ClaimBytes(MonochromeBitmapStride(width), height, place, total);
        bitmap.surface = MakeMonochromeBitmap(width, height);
    }
    ReadContents(dib ? *dib : *mono, at, bitmap.surface);
    return bitmap;
}

}  // namespace

std::vector<SceneBitmap> ReadSceneBitmaps(const Json& bitmaps, const ScenePlace& place,
                                          SceneNames& names) {
    if (!bitmaps.is_object() || bitmaps.empty())
        FaultWith(place, bitmaps, "is not an object of bitmaps");
    std::size_t total = 0;
    std::vector<SceneBitmap> result;
    for (const auto& item : bitmaps.items()) {
        names[item.key()] = result.size();
        result.push_back(ReadBitmap(item.key(), item.value(), place.Key(item.key()), total));
    }
    return result;
}
