#include "rop_names.h"

#include <array>

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
