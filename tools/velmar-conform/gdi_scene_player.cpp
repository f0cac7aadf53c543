#include "gdi_scene_player.h"

#include <cstring>
#include <limits>

#include "overloaded.h"

namespace {

CGdiObject MakePalette(const std::vector<Rgb>& colors) {
    std::vector<std::uint8_t> block(sizeof(LOGPALETTE) + colors.size() * sizeof(PALETTEENTRY));
    LOGPALETTE* palette = reinterpret_cast<LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(colors.size());
    for (std::size_t i = 0; i < colors.size(); ++i)
        palette->palPalEntry[i] = {colors[i].red, colors[i].green, colors[i].blue, 0};
    CGdiObject object;
    object.Attach(::CreatePalette(palette));
    return object;
}

// The packed DIB that CreateDIBPatternBrushPt takes: the header, the table (the section's own
// colours, or the scene's indices for DIB_PAL_COLORS) or masks, and the bits as they are now.
std::vector<std::uint8_t> PackedDib(GdiSceneBitmap& bitmap, bool paletteColors) {
    const SceneBitmap& description = bitmap.Description();
    const Surface& surface = description.surface;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = surface.width;
    header.biHeight = surface.topDown ? -surface.height : surface.height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(surface.format.bitsPerPixel);
    header.biCompression = description.bitfields ? BI_BITFIELDS : BI_RGB;
    std::vector<std::uint8_t> follows;
    if (description.bitfields) {
        follows.resize(3 * sizeof(DWORD));
        std::memcpy(follows.data(), surface.format.masks.data(), follows.size());
    } else if (paletteColors) {
        const std::vector<std::uint16_t>& indices = *description.paletteIndices;
        header.biClrUsed = static_cast<DWORD>(indices.size());
        follows.resize(indices.size() * sizeof(WORD));
        std::memcpy(follows.data(), indices.data(), follows.size());
    } else if (surface.HasTable()) {
        header.biClrUsed = static_cast<DWORD>(surface.format.table.size());
        follows.resize(header.biClrUsed * sizeof(RGBQUAD));
        ::GetDIBColorTable(bitmap.Dc(), 0, header.biClrUsed,
                           reinterpret_cast<RGBQUAD*>(follows.data()));
    }
    const std::vector<std::uint8_t> bits = bitmap.Bytes();
    std::vector<std::uint8_t> packed(sizeof header + follows.size() + bits.size());
    std::memcpy(packed.data(), &header, sizeof header);
    std::memcpy(packed.data() + sizeof header, follows.data(), follows.size());
    std::memcpy(packed.data() + sizeof header + follows.size(), bits.data(), bits.size());
    return packed;
}

}  // namespace

GdiScenePlayer::GdiScenePlayer(const Scene& scene) {
    for (const SceneBitmap& bitmap : scene.bitmaps) {
        m_bitmaps.push_back(std::make_unique<GdiSceneBitmap>(bitmap));
        m_ready = m_ready && m_bitmaps.back()->Made();
    }
}

CDC* GdiScenePlayer::Dc(const std::optional<std::size_t>& bitmap) {
    return bitmap ? &m_bitmaps[*bitmap]->Dc() : nullptr;
}

CGdiObject GdiScenePlayer::MakeBrush(const SceneBrush& brush) {
    CGdiObject object;
    switch (brush.kind) {
        case SceneBrush::Kind::Null:
            break;
        case SceneBrush::Kind::Solid:
            object.Attach(::CreateSolidBrush(brush.color));
            break;
        case SceneBrush::Kind::Hatch:
            if (brush.hatchStyle >= std::numeric_limits<int>::min() &&
                brush.hatchStyle <= std::numeric_limits<int>::max())
                object.Attach(::CreateHatchBrush(static_cast<int>(brush.hatchStyle), brush.color));
            break;
        case SceneBrush::Kind::Pattern:
            object.Attach(::CreatePatternBrush(m_bitmaps[brush.bitmap]->Handle()));
            break;
        case SceneBrush::Kind::DibPattern: {
            const std::vector<std::uint8_t> packed =
                PackedDib(*m_bitmaps[brush.bitmap], brush.paletteColors);
            object.Attach(::CreateDIBPatternBrushPt(
                packed.data(), brush.paletteColors ? DIB_PAL_COLORS : DIB_RGB_COLORS));
            break;
        }
    }
    return object;
}

bool GdiScenePlayer::Set(const SetStep& step) {
    GdiSceneBitmap& bitmap = *m_bitmaps[step.dc];
    CGdiObject brush;
    if (step.brush && step.brush->kind != SceneBrush::Kind::Null) {
        brush = MakeBrush(*step.brush);
        if (!brush.GetSafeHandle()) return false;
    }
    CDC& dc = bitmap.Dc();
    if (step.text) dc.SetTextColor(*step.text);
    if (step.background) dc.SetBkColor(*step.background);
    if (step.bkMode) ::SetBkMode(dc, *step.bkMode == BkMode::Opaque ? OPAQUE : TRANSPARENT);
    if (step.brush && step.brush->kind == SceneBrush::Kind::Null)
        bitmap.SelectStockBrush(NULL_BRUSH);
    if (brush.GetSafeHandle()) bitmap.SelectBrush(std::move(brush));
    if (step.brushOrigin) ::SetBrushOrgEx(dc, step.brushOrigin->x, step.brushOrigin->y, nullptr);
    if (step.palette) {
        if (step.palette->stock)
            bitmap.SelectStockPalette();
        else
            bitmap.SelectPalette(MakePalette(step.palette->colors));
    }
    return true;
}

bool GdiScenePlayer::Run(const SceneStep& step) {
    return std::visit(Overloaded{
                          [&](const SetStep& s) { return Set(s); },
                          [&](const PatBltStep& s) {
                              return ::PatBlt(Dc(s.at.target)->GetSafeHdc(), s.at.x, s.at.y, s.at.w,
                                              s.at.h, s.rop) != FALSE;
                          },
                          [&](const BitBltStep& s) {
                              return Dc(s.at.target)
                                         ->BitBlt(s.at.x, s.at.y, s.at.w, s.at.h, Dc(s.source),
                                                  s.sx, s.sy, s.rop) != FALSE;
                          },
                          [&](const MaskBltStep& s) {
                              const HBITMAP mask = s.mask ? m_bitmaps[*s.mask]->Handle() : nullptr;
                              return Dc(s.at.target)
                                         ->MaskBlt(s.at.x, s.at.y, s.at.w, s.at.h, Dc(s.source),
                                                   s.sx, s.sy, mask, s.mx, s.my, s.rop4) != FALSE;
                          },
                      },
                      step);
}

std::optional<ObservedOutcome> PlaySceneOnGdi(const Scene& scene) {
    GdiScenePlayer player(scene);
    if (!player.Ready()) return std::nullopt;
    ObservedOutcome outcome;
    for (const SceneStep& step : scene.steps) {
        ::SetLastError(0);
        const bool value = player.Run(step);
        outcome.steps.push_back({value, ::GetLastError()});
    }
    outcome.bytes = player.Bytes(scene.target);
    return outcome;
}
