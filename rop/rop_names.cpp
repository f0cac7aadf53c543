#include "rop_names.h"

#include <array>

#include "rop_pen_mix.h"
#include "rop_text_chars.h"

namespace {

struct NamedRop {
    std::uint8_t index;
    std::string_view name;
};

constexpr std::array<NamedRop, 15> kNamedRops = {{
    {0x00, "BLACKNESS"},
    {0x11, "NOTSRCERASE"},
    {0x33, "NOTSRCCOPY"},
    {0x44, "SRCERASE"},
    {0x55, "DSTINVERT"},
    {0x5A, "PATINVERT"},
    {0x66, "SRCINVERT"},
    {0x88, "SRCAND"},
    {0xBB, "MERGEPAINT"},
    {0xC0, "MERGECOPY"},
    {0xCC, "SRCCOPY"},
    {0xEE, "SRCPAINT"},
    {0xF0, "PATCOPY"},
    {0xFB, "PATPAINT"},
    {0xFF, "WHITENESS"},
}};

}  // namespace

std::string_view GdiRopName(std::uint8_t index) {
    for (const NamedRop& rop : kNamedRops)
        if (rop.index == index) return rop.name;
    return {};
}

std::optional<std::uint8_t> RopIndexOfName(std::string_view name) {
    for (const NamedRop& rop : kNamedRops)
        if (EqualsIgnoringRopCase(name, rop.name)) return rop.index;
    if (const std::optional<int> mix = RopPenMixOfName(name)) return RopPenMixTwin(*mix);
    return std::nullopt;
}
