#include "raster_device.h"

namespace {
// D AND P: with a white pattern the colour bits stay and the spare ones, zero in a brush, clear.
constexpr DWORD kPatAnd = 0x00A000C9;
}  // namespace

void ClearUnusedColorBits(CDC& dc, SIZE size) {
    CSavedDCState saved(dc);
    dc.SelectStockObject(WHITE_BRUSH);
    dc.PatBlt(0, 0, size.cx, size.cy, kPatAnd);
}
