#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// An operation as today's graphics APIs write it. A fixed-function logic op combines the
// destination with one drawn colour (the fragment's), so an operation that reads at most one of P
// and S is one of the 16 logic ops; one that reads both is left to a shader.
//
// A logic op's truth code t is a 4-bit number whose bit (2 * s + d) is the result for drawn colour
// s and destination d. Written as binary with bit 3 first, t is the result column over
// s = 1100, d = 1010, exactly as a pen mix's code is read: AND is 1000 (8, only s = d = 1 gives 1),
// its pen mix R2_MASKPEN is t + 1 = 9, and the S-D operation with the same function is
// t * 0x11 = 0x88, SRCAND.

// What a fixed-function port draws as the fragment colour.
enum class RopDrawn {
    Nothing,           // the operation reads neither P nor S: any colour will do
    Source,            // S but not P: the source image
    Pattern,           // P but not S: a solid brush (or pen) colour
    PatternAndSource,  // both: no logic op can do it
};

struct RopLogicOp {
    std::uint8_t truthCode = 0;
    std::string_view opengl;    // glLogicOp's "GL_XOR"
    std::string_view vulkan;    // VkLogicOp's "VK_LOGIC_OP_XOR"
    std::string_view direct3d;  // "D3D12_LOGIC_OP_XOR"; Direct3D 11.1 has the same as D3D11_
    // "QPainter::RasterOp_SourceXorDestination". Qt has no raster op for COPY and NOOP; its
    // composition modes Source and Destination give the same pixels wherever a raster op works at
    // all (opaque, not antialiased), so those stand here.
    std::string_view qt;
};

// The 16 logic ops, entry t for truth code t.
const std::array<RopLogicOp, 16>& RopLogicOps();

RopDrawn RopDrawnOf(std::uint8_t index);

// The logic op computing the operation with the drawn colour of RopDrawnOf, or nothing when that
// is PatternAndSource. For Nothing it is CLEAR, SET, NOOP or INVERT.
std::optional<RopLogicOp> RopLogicOpOf(std::uint8_t index);

// The operation in a shader, over unsigned integers p, s and d: the shortest expression with the
// operands in lower case and the constants written 0u and 0xFFFFFFFFu. GLSL, HLSL, MSL and WGSL
// all read this one text alike: they share C's ~ & | ^ and u-suffixed literals, and since binary
// operators of different kinds are always parenthesized, WGSL, which refuses to mix them without
// parentheses, takes it too.
std::string RopShaderExpression(std::uint8_t index);

// The limits a port runs into, one line each: the logic ops' (which targets, which APIs), and the
// shader's need of the destination for an operation that reads P and S.
constexpr std::string_view kRopLogicOpLimit =
    "logic ops need an integer or UNORM target (not float, not sRGB) and replace blending; "
    "OpenGL ES, WebGL, Metal and WebGPU have none";
constexpr std::string_view kRopShaderLimit =
    "no logic op reads both P and S: use the shader, which must read the destination "
    "(framebuffer fetch, or a copy bound as a texture)";

// The one of the two that applies to the operation.
std::string_view RopPortLimit(std::uint8_t index);
