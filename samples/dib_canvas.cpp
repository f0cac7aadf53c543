#include "dib_canvas.h"

#include "dib_rows_info.h"

DibCanvas::DibCanvas(SIZE size) : m_size(size) {
    const DibRowsInfo info(size, false, false);
    void* bits = nullptr;
    if (size.cx <= 0 || size.cy <= 0) return;
    if (!m_bitmap.Attach(
            ::CreateDIBSection(nullptr, info.Get(), DIB_RGB_COLORS, &bits, nullptr, 0)) ||
        !m_dc.CreateCompatibleDC(nullptr))
        return;
    m_bits = static_cast<std::uint32_t*>(bits);
    m_old = m_dc.SelectObject(m_bitmap.GetSafeHandle());
}

DibCanvas::~DibCanvas() {
    if (m_old) m_dc.SelectObject(m_old);
}

std::uint32_t* DibCanvas::Pixels() {
    ::GdiFlush();
    return m_bits;
}

std::vector<std::uint32_t> DibCanvas::Copy() {
    if (!Ready()) return {};
    const std::uint32_t* pixels = Pixels();
    return std::vector<std::uint32_t>(pixels, pixels + static_cast<size_t>(m_size.cx) * m_size.cy);
}
