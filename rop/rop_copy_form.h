#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The forms Copy can put a code on the clipboard in, in the order a list offers them; C, the
// first, is the default.
enum class RopCopyForm {
    C,
    BitBltCall,
    Glsl,
    Hlsl,
    Msl,
    Wgsl,
    OpenGl,
    Vulkan,
    Direct3D12,
    Qt,
    X11,
    AmigaMinterm,
};

constexpr std::array<RopCopyForm, 12> kRopCopyForms = {
    RopCopyForm::C,      RopCopyForm::BitBltCall, RopCopyForm::Glsl,
    RopCopyForm::Hlsl,   RopCopyForm::Msl,        RopCopyForm::Wgsl,
    RopCopyForm::OpenGl, RopCopyForm::Vulkan,     RopCopyForm::Direct3D12,
    RopCopyForm::Qt,     RopCopyForm::X11,        RopCopyForm::AmigaMinterm,
};

// What a list shows: "C", "BitBlt call", "GLSL", "HLSL", "MSL", "WGSL", "OpenGL", "Vulkan",
// "Direct3D 12", "Qt", "X11 GC function", "Amiga minterm".
std::string_view RopCopyFormName(RopCopyForm form);

struct RopCopyResult {
    bool ok = false;
    std::string text;  // ok: the clipboard's text; otherwise why there is none, for a status line
};

// A whole 32-bit code in one form, written as given (a stray low word stays), its bits 16 to 23
// picking the operation; every text is one line that says in a comment which operation it is.
// For 0x00660046 (SRCINVERT):
//   C            0x00660046 /* SRCINVERT: S ^ D */
//   BitBlt call  BitBlt(hdcDest, x, y, cx, cy, hdcSrc, xSrc, ySrc, 0x00660046); /* SRCINVERT:
//                S ^ D */   (PatBlt(hdcDest, x, y, cx, cy, ...) for an operation without S)
//   GLSL ... WGSL  s ^ d /* 0x00660046 SRCINVERT */
//   OpenGL       glEnable(GL_COLOR_LOGIC_OP); glLogicOp(GL_XOR); /* 0x00660046 SRCINVERT: draw
//                the source */
//   Vulkan       VK_LOGIC_OP_XOR /* 0x00660046 SRCINVERT: draw the source */
//   Direct3D 12  D3D12_LOGIC_OP_XOR /* ... */
//   Qt           painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination); /* ... */
//   X11 GC function  XSetFunction(display, gc, GXxor); /* 0x00660046 SRCINVERT: draw the source */
//   Amiga minterm    0x66 /* 0x00660046 SRCINVERT: A=P, B=S, C=D */
// The comment of a logic op says what to draw: "draw the source", "draw the brush colour" or
// "any colour". Qt's COPY and NOOP are the composition modes Source and Destination, as
// RopLogicOp::qt says. An operation that reads both P and S has no logic op: the four API forms
// then fail with "OpenGL: no logic op for a code that needs both P and S; copy it as GLSL" (HLSL
// for Direct3D 12; Qt says "raster op"), and X11 with "X11: no GC function for a code that needs
// both P and S; copy it as C". Every code has an Amiga minterm.
RopCopyResult RopCopyText(RopCopyForm form, std::uint32_t code);
