#include "bmp_file.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots an inch

class LittleEndian {
public:
    explicit LittleEndian(std::vector<std::uint8_t>& out) : m_out(out) {}
    void U16(std::uint32_t v) { Bytes(v, 2); }
    void U32(std::uint32_t v) { Bytes(v, 4); }

private:
    void Bytes(std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) m_out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t>& m_out;
};

// A 32-bit file gets its masks even when they are BI_RGB's: without them viewers take the spare
// byte, which raster operations write, for alpha.
bool NeedsMasks(const Surface& surface) {
    const PixelFormat& f = surface.format;
    return f.bitsPerPixel == 32 || (f.bitsPerPixel == 16 && f.masks != DefaultMasks(16));
}

}  // namespace

std::vector<std::uint8_t> BmpFileBytes(const Surface& surface) {
    const PixelFormat& format = surface.format;
    const std::size_t stride = DibStride(surface.width, format.bitsPerPixel);
    const bool masks = NeedsMasks(surface);
    const std::uint32_t tableSize =
        static_cast<std::uint32_t>(format.HasTable() ? format.table.size() : 0);
    const std::uint32_t offset =
        kFileHeaderSize + kInfoHeaderSize + (masks ? 12 : 0) + 4 * tableSize;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(stride * surface.height);
    std::vector<std::uint8_t> out;
    out.reserve(offset + imageSize);
    LittleEndian write(out);
    out.push_back('B');
    out.push_back('M');
    write.U32(offset + imageSize);
    write.U32(0);
    write.U32(offset);
    write.U32(kInfoHeaderSize);
    write.U32(static_cast<std::uint32_t>(surface.width));
    write.U32(static_cast<std::uint32_t>(surface.height));
    write.U16(1);
    write.U16(static_cast<std::uint32_t>(format.bitsPerPixel));
    write.U32(masks ? kBiBitfields : kBiRgb);
    write.U32(imageSize);
    write.U32(kPixelsPerMetre);
    write.U32(kPixelsPerMetre);
    write.U32(tableSize);
    write.U32(0);
    if (masks)
        for (const std::uint32_t mask : format.masks) write.U32(mask);
    for (std::uint32_t i = 0; i < tableSize; ++i) {
        const Rgb c = format.table[i];
        out.insert(out.end(), {c.blue, c.green, c.red, 0});
    }
    const std::size_t used = std::min(stride, surface.stride);
    for (int y = surface.height - 1; y >= 0; --y) {
        const std::uint8_t* row = surface.Row(y);
        out.insert(out.end(), row, row + used);
        out.insert(out.end(), stride - used, 0);
    }
    return out;
}
