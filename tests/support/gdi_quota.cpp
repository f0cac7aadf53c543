#include "gdi_quota.h"

namespace {
// Far above any GDI handle table, so a system without a bound still ends the loop.
constexpr size_t kGiveUpAfter = 1000000;
}  // namespace

GdiQuotaHog::GdiQuotaHog() {
    m_brushes.reserve(70000);
    while (m_brushes.size() < kGiveUpAfter) {
        HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
        if (!brush) break;
        m_brushes.push_back(brush);
    }
}

void GdiQuotaHog::Free(size_t count) {
    for (; count > 0 && !m_brushes.empty(); --count) {
        ::DeleteObject(m_brushes.back());
        m_brushes.pop_back();
    }
}

size_t GdiHeadroom() { return GdiQuotaHog().Held(); }
