#include "tiff_bytes.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Entry {
    std::uint16_t tag, type;  // type 3: SHORT, 4: LONG
    std::uint32_t count, value;
};

}  // namespace

void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Little-endian: the header, one directory of entries in tag order, the bits per sample, then
// the strip of pixels.
std::vector<std::uint8_t> TiffBytes(int width, int height, TiffPixels kind, int orientation,
                                    const std::function<std::uint32_t(int, int)>& pixel) {
    const bool cmyk = kind == TiffPixels::Cmyk16;
    const std::uint32_t samples = cmyk ? 4 : 3, bits = cmyk ? 16 : 8;
    Bytes strip;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = pixel ? pixel(x, y) : 0;
            if (cmyk) {
                PutLittleEndian(strip, 0, 8);
                continue;
            }
            PutLittleEndian(strip, (rgb >> 16) & 0xFF, 1),
                PutLittleEndian(strip, (rgb >> 8) & 0xFF, 1);
            PutLittleEndian(strip, rgb & 0xFF, 1);
        }
    const std::uint32_t entries = orientation ? 11 : 10;
    const std::uint32_t bitsAt = 8 + 2 + 12 * entries + 4, stripAt = bitsAt + 2 * samples;
    const std::uint32_t w = static_cast<std::uint32_t>(width),
                        h = static_cast<std::uint32_t>(height);
    std::vector<Entry> directory = {{256, 3, 1, w},
                                    {257, 3, 1, h},
                                    {258, 3, samples, bitsAt},
                                    {259, 3, 1, 1},
                                    {262, 3, 1, cmyk ? 5u : 2u},
                                    {273, 4, 1, stripAt},
                                    {277, 3, 1, samples},
                                    {278, 3, 1, h},
                                    {279, 4, 1, static_cast<std::uint32_t>(strip.size())},
                                    {284, 3, 1, 1}};
    if (orientation)
        directory.insert(directory.begin() + 6,
                         {274, 3, 1, static_cast<std::uint32_t>(orientation)});
    Bytes file = {'I', 'I', 42, 0};
    PutLittleEndian(file, 8, 4);
    PutLittleEndian(file, entries, 2);
    for (const Entry& entry : directory) {
        PutLittleEndian(file, entry.tag, 2), PutLittleEndian(file, entry.type, 2),
            PutLittleEndian(file, entry.count, 4);
        PutLittleEndian(file, entry.value, 4);  // a SHORT sits in the low half
    }
    PutLittleEndian(file, 0, 4);  // no next directory
    for (std::uint32_t i = 0; i < samples; ++i) PutLittleEndian(file, bits, 2);
    file.insert(file.end(), strip.begin(), strip.end());
    return file;
}
