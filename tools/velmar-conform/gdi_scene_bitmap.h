#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "dc.h"
#include "gdi_object.h"
#include "scene.h"

// One bitmap of a scene made by GDI itself, a DIB section (CreateDIBSection) or a monochrome
// bitmap (CreateBitmap), selected into a memory DC of its own with the brush and palette its
// steps set. The objects outlive the DC that holds them: it goes first, and gives them back.
class GdiSceneBitmap {
public:
    explicit GdiSceneBitmap(const SceneBitmap& bitmap);
    GdiSceneBitmap(const GdiSceneBitmap&) = delete;
    GdiSceneBitmap& operator=(const GdiSceneBitmap&) = delete;

    bool Made() const { return m_made; }
    CDC& Dc() { return m_dc; }
    HBITMAP Handle() const { return static_cast<HBITMAP>(m_bitmap.GetSafeHandle()); }
    const SceneBitmap& Description() const { return m_description; }

    // The bytes as they lie in memory now (rows padded as the scene format says).
    std::vector<std::uint8_t> Bytes() const;

    // The brush and palette now selected; the ones they replace are deleted.
    void SelectBrush(CGdiObject brush);
    void SelectStockBrush(int stockObject);
    void SelectPalette(CGdiObject palette);
    void SelectStockPalette();

private:
    bool MakeDib();
    bool MakeMonochrome();

    const SceneBitmap& m_description;
    CGdiObject m_bitmap;
    CGdiObject m_brush;
    CGdiObject m_palette;
    void* m_bits = nullptr;  // a DIB section's
    CDC m_dc;
    bool m_made = false;
};
