#pragma once

#include <cstdint>
#include <vector>

#include "dc_state.h"
#include "surface.h"

// How a source's stored values become the destination's, decided once for a blit:
// - a monochrome bitmap onto another copies its bits;
// - a monochrome bitmap onto colour: 0 bits the destination DC's text colour, 1 bits its
//   background colour (a 1-bit DIB section has a table of its own instead);
// - colour onto a monochrome bitmap: 1 where the stored value equals the source DC's
//   background colour as a pixel of the source, 0 elsewhere;
// - the same format: the values as they are, spare bits included;
// - otherwise through the colour each value stands for, into the destination's fields or its
//   nearest table entry (a 16, 24 or 32-bit source cut first onto a 4 or 8-bit table).
class SourceConversion {
public:
    SourceConversion(const Surface& source, const DcState& sourceDc, const Surface& destination,
                     const DcState& destinationDc);

    void Convert(std::uint32_t* values, int count) const;
    // The values go as they are: the same format, or two monochrome bitmaps.
    bool KeepsValues() const { return m_way == Way::Keep; }

private:
    enum class Way { Keep, Lookup, ToMonochromeBitmap, Channels, ChannelsToTable };
    std::uint32_t ToTable(std::uint32_t value) const;

    Way m_way = Way::Keep;
    const PixelFormat& m_from;
    const PixelFormat& m_to;
    std::vector<std::uint32_t> m_lookup;  // a value for each source value of 8 bits or fewer
    std::uint32_t m_background = 0;       // ToMonochromeBitmap: the value that becomes 1
    mutable std::vector<std::int32_t> m_cutMatches;  // ChannelsToTable: by the 15 bits kept
};
