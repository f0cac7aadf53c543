#include "blit_record.h"

#include "picture_pixels.h"
#include "sample_panel.h"

namespace {

COLORREF FromRgb(std::uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The top-left area of a picture as COLORREFs.
std::vector<COLORREF> ReadArea(const SamplePicture& picture, SIZE area) {
    const std::vector<std::uint32_t> pixels = ReadPicturePixels(picture);
    const SIZE size = picture.Size();
    std::vector<COLORREF> read;
    if (pixels.size() != static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy)) return read;
    read.reserve(static_cast<size_t>(area.cx) * static_cast<size_t>(area.cy));
    for (int y = 0; y < area.cy; ++y)
        for (int x = 0; x < area.cx; ++x)
            read.push_back(FromRgb(pixels[static_cast<size_t>(y * size.cx + x)]));
    return read;
}

}  // namespace

BlitRecord RecordBlit(const SamplePicture& source, int sourceIndex, COLORREF sourceBk,
                      const SamplePanel& destination, SIZE area, DWORD rop) {
    BlitRecord record;
    record.rop = rop;
    record.source = sourceIndex;
    record.sourceMono = source.IsMono();
    record.destinationMono = destination.m_picture.IsMono();
    record.sourceBk = sourceBk;
    record.bk = destination.m_crBk;
    record.text = destination.m_crText;
    record.pattern = destination.m_crPattern;
    record.brush = destination.m_brush;
    record.size = area;
    record.before = ReadArea(destination.m_picture, area);
    record.sourcePixels = ReadArea(source, area);
    return record;
}

void RecordMask(BlitRecord& record, const SamplePicture& mask) {
    record.maskBlt = true;
    for (const COLORREF pixel : ReadArea(mask, record.size))
        record.maskBits.push_back(pixel != RGB(0, 0, 0));
}

BrushPixel BrushPixelAt(const BlitRecord& record, int x, int y) {
    if (record.brush.m_style == BrushStyle::Solid) return {record.pattern, -1};
    const int bit = PatternBit(BrushCell(record.brush), x - record.brush.m_nOriginX,
                               y - record.brush.m_nOriginY);
    const COLORREF zero = TakesDcColors(record.brush.m_style) ? record.text : record.pattern;
    return {bit ? record.bk : zero, bit};
}
