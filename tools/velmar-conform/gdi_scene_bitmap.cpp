#include "gdi_scene_bitmap.h"

#include <cstring>

namespace {

// BITMAPINFOHEADER and what follows it: the three masks, or up to 256 table entries (RGBQUAD or,
// for DIB_PAL_COLORS, WORD indices).
struct DibInfo {
    BITMAPINFOHEADER header{};
    std::uint8_t follows[256 * sizeof(RGBQUAD)]{};
};

}  // namespace

GdiSceneBitmap::GdiSceneBitmap(const SceneBitmap& bitmap) : m_description(bitmap) {
    if (!m_dc.CreateCompatibleDC(nullptr)) return;
    const bool made = bitmap.surface.IsMonochromeBitmap() ? MakeMonochrome() : MakeDib();
    m_made = made && m_dc.SelectObject(m_bitmap.GetSafeHandle()) != nullptr;
}

bool GdiSceneBitmap::MakeDib() {
    const Surface& surface = m_description.surface;
    DibInfo info;
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = surface.width;
    info.header.biHeight = surface.topDown ? -surface.height : surface.height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(surface.format.bitsPerPixel);
    info.header.biCompression = m_description.bitfields ? BI_BITFIELDS : BI_RGB;
    UINT usage = DIB_RGB_COLORS;
    if (m_description.bitfields) {
        std::memcpy(info.follows, surface.format.masks.data(), 3 * sizeof(DWORD));
    } else if (m_description.paletteIndices) {
        usage = DIB_PAL_COLORS;
        const std::vector<std::uint16_t>& indices = *m_description.paletteIndices;
        info.header.biClrUsed = static_cast<DWORD>(indices.size());
        std::memcpy(info.follows, indices.data(), indices.size() * sizeof(WORD));
    } else if (surface.HasTable()) {
        info.header.biClrUsed = static_cast<DWORD>(surface.format.table.size());
        RGBQUAD* table = reinterpret_cast<RGBQUAD*>(info.follows);
        for (std::size_t i = 0; i < surface.format.table.size(); ++i) {
            const Rgb c = surface.format.table[i];
            table[i] = {c.blue, c.green, c.red, 0};
        }
    }
    if (!m_bitmap.Attach(::CreateDIBSection(m_dc, reinterpret_cast<BITMAPINFO*>(&info), usage,
                                            &m_bits, nullptr, 0)))
        return false;
    std::memcpy(m_bits, surface.bytes.data(), surface.bytes.size());
    return true;
}

bool GdiSceneBitmap::MakeMonochrome() {
    const Surface& surface = m_description.surface;
    return m_bitmap.Attach(
        ::CreateBitmap(surface.width, surface.height, 1, 1, surface.bytes.data()));
}

std::vector<std::uint8_t> GdiSceneBitmap::Bytes() const {
    ::GdiFlush();
    std::vector<std::uint8_t> bytes(m_description.surface.bytes.size());
    if (m_bits) {
        std::memcpy(bytes.data(), m_bits, bytes.size());
    } else {
        ::GetBitmapBits(Handle(), static_cast<LONG>(bytes.size()), bytes.data());
    }
    return bytes;
}

void GdiSceneBitmap::SelectBrush(CGdiObject brush) {
    m_dc.SelectObject(brush.GetSafeHandle());
    m_brush = std::move(brush);
}

void GdiSceneBitmap::SelectStockBrush(int stockObject) {
    m_dc.SelectStockObject(stockObject);
    m_brush.DeleteObject();
}

void GdiSceneBitmap::SelectPalette(CGdiObject palette) {
    ::SelectPalette(m_dc, static_cast<HPALETTE>(palette.GetSafeHandle()), FALSE);
    m_palette = std::move(palette);
}

void GdiSceneBitmap::SelectStockPalette() {
    ::SelectPalette(m_dc, static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), FALSE);
    m_palette.DeleteObject();
}
