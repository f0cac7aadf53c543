#pragma once

#include <cstdint>
#include <string>

// What a MaskBlt with these two operations does, in words, for the window's mask hint: which
// operation the mask's 1 bits take and which its 0 bits, with the everyday recipes named.
// 0xCC over 0xAA: "a sprite: the source where the mask is 1, the destination kept where it is 0".
std::string DescribeRopMaskBlt(std::uint8_t foreground, std::uint8_t background);
