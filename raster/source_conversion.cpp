#include "source_conversion.h"

#include "color_pixel.h"
#include "nearest_entry.h"

namespace {

bool SameFormat(const Surface& a, const Surface& b) {
    return a.kind == b.kind && a.format == b.format;
}

}  // namespace

SourceConversion::SourceConversion(const Surface& source, const DcState& sourceDc,
                                   const Surface& destination, const DcState& destinationDc)
    : m_from(source.format), m_to(destination.format) {
    if (SameFormat(source, destination)) return;
    if (destination.IsMonochromeBitmap()) {
        m_way = Way::ToMonochromeBitmap;
        m_background = PixelOfColor(sourceDc.background, source, sourceDc.palette);
        return;
    }
    if (source.IsMonochromeBitmap()) {
        m_way = Way::Lookup;
        m_lookup = {PixelOfColor(destinationDc.text, destination, destinationDc.palette),
                    PixelOfColor(destinationDc.background, destination, destinationDc.palette)};
        return;
    }
    if (source.HasTable()) {
        m_way = Way::Lookup;
        m_lookup.resize(std::size_t{1} << source.format.bitsPerPixel);
        for (std::uint32_t v = 0; v < m_lookup.size(); ++v) {
            const Rgb rgb = UnpackRgb(m_from, v);
            m_lookup[v] =
                destination.HasTable() ? NearestEntry(m_to.table, rgb) : PackRgb(m_to, rgb);
        }
        return;
    }
    if (destination.HasTable() && destination.format.bitsPerPixel > 1) {
        m_way = Way::ChannelsToTable;
        m_cutMatches.assign(std::size_t{1} << 15, -1);
        return;
    }
    m_way = Way::Channels;
}

std::uint32_t SourceConversion::ToTable(std::uint32_t value) const {
    const Rgb rgb = UnpackRgb(m_from, value);
    const std::size_t key = (rgb.red >> 3) << 10 | (rgb.green >> 3) << 5 | rgb.blue >> 3;
    std::int32_t& match = m_cutMatches[key];
    if (match < 0)
        match = static_cast<std::int32_t>(NearestEntry(m_to.table, CutToFiveBitMiddle(rgb)));
    return static_cast<std::uint32_t>(match);
}

void SourceConversion::Convert(std::uint32_t* values, int count) const {
    switch (m_way) {
        case Way::Keep:
            return;
        case Way::Lookup:
            for (int i = 0; i < count; ++i) values[i] = m_lookup[values[i]];
            return;
        case Way::ToMonochromeBitmap:
            for (int i = 0; i < count; ++i) values[i] = values[i] == m_background ? 1 : 0;
            return;
        case Way::ChannelsToTable:
            for (int i = 0; i < count; ++i) values[i] = ToTable(values[i]);
            return;
        case Way::Channels:
            for (int i = 0; i < count; ++i) {
                const Rgb rgb = UnpackRgb(m_from, values[i]);
                values[i] = m_to.HasTable() ? NearestEntry(m_to.table, rgb) : PackRgb(m_to, rgb);
            }
            return;
    }
}
