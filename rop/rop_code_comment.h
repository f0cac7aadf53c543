#pragma once

#include <cstdint>
#include <string>

// What names an operation in a comment: its GDI name, or else its published RPN ("SRCCOPY",
// "DSPDxax").
std::string RopNameOrRpn(std::uint8_t index);

// A code as C source with what it does in a comment, the text a "Copy" puts on the clipboard: the
// full code, then the GDI name or else the published RPN, then the shortest expression.
// 0x00E20746 -> "0x00E20746 /* DSPDxax: D ^ (S & (P ^ D)) */", 0x00CC0020 -> "0x00CC0020 /*
// SRCCOPY: S */". The code is written as given; its bits 16 to 23 pick the operation.
std::string FormatRopCodeWithComment(std::uint32_t code);
