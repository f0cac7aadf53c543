#include "rop_copy_form.h"

#include <optional>

#include "rop_code.h"
#include "rop_code_comment.h"
#include "rop_index_text.h"
#include "rop_join_text.h"
#include "rop_minterm_families.h"
#include "rop_operand_use.h"
#include "rop_port.h"
#include "rop_shortest.h"
#include "rop_truth_table.h"
#include "rop_two_operand_families.h"

namespace {

RopCopyResult Copied(std::string text) { return {true, std::move(text)}; }

std::string BlitCall(std::uint32_t code, std::uint8_t index) {
    const char* const call = RopOperandsUsed(index).source
                                 ? "BitBlt(hdcDest, x, y, cx, cy, hdcSrc, xSrc, ySrc, "
                                 : "PatBlt(hdcDest, x, y, cx, cy, ";
    return JoinRopText({call, FormatFullRopCode(code), "); /* ", RopNameOrRpn(index), ": ",
                        ShortestRopExpression(index).text, " */"});
}

std::string_view WhatToDraw(RopDrawn drawn) {
    switch (drawn) {
        case RopDrawn::Source:
            return "draw the source";
        case RopDrawn::Pattern:
            return "draw the brush colour";
        case RopDrawn::Nothing:
        case RopDrawn::PatternAndSource:
            break;
    }
    return "any colour";
}

// A logic op in one API's spelling, or why it has none.
RopCopyResult LogicOpText(RopCopyForm form, std::uint32_t code, std::uint8_t index) {
    const std::optional<RopLogicOp> op = RopLogicOpOf(index);
    if (!op) {
        const char* const kind = form == RopCopyForm::Qt ? "raster op" : "logic op";
        const char* const shader = form == RopCopyForm::Direct3D12 ? "HLSL" : "GLSL";
        return {false, JoinRopText({RopCopyFormName(form), ": no ", kind,
                                    " for a code that needs both P and S; copy it as ", shader})};
    }
    std::string_view before, name, after = ";";
    switch (form) {
        case RopCopyForm::OpenGl:
            before = "glEnable(GL_COLOR_LOGIC_OP); glLogicOp(";
            name = op->opengl;
            after = ");";
            break;
        case RopCopyForm::Vulkan:
            name = op->vulkan;
            after = "";
            break;
        case RopCopyForm::Direct3D12:
            name = op->direct3d;
            after = "";
            break;
        default:
            before = "painter.setCompositionMode(";
            name = op->qt;
            after = ");";
            break;
    }
    return Copied(JoinRopText({before, name, after, " /* ", FormatFullRopCode(code), " ",
                               RopNameOrRpn(index), ": ", WhatToDraw(RopDrawnOf(index)), " */"}));
}

// X11 draws the source with XCopyArea and the brush colour with a fill in the GC's foreground.
RopCopyResult X11Text(std::uint32_t code, std::uint8_t index) {
    const std::optional<RopX11Function> function = RopX11FunctionOf(index);
    if (!function)
        return {false, "X11: no GC function for a code that needs both P and S; copy it as C"};
    return Copied(JoinRopText({"XSetFunction(display, gc, ", function->name, "); /* ",
                               FormatFullRopCode(code), " ", RopNameOrRpn(index), ": ",
                               WhatToDraw(RopDrawnOf(index)), " */"}));
}

std::string AmigaText(std::uint32_t code, std::uint8_t index) {
    return JoinRopText({FormatRopIndex(RopAmigaMinterm(index)), " /* ", FormatFullRopCode(code),
                        " ", RopNameOrRpn(index), ": ", kRopAmigaChannels, " */"});
}

}  // namespace

std::string_view RopCopyFormName(RopCopyForm form) {
    switch (form) {
        case RopCopyForm::C:
            return "C";
        case RopCopyForm::BitBltCall:
            return "BitBlt call";
        case RopCopyForm::Glsl:
            return "GLSL";
        case RopCopyForm::Hlsl:
            return "HLSL";
        case RopCopyForm::Msl:
            return "MSL";
        case RopCopyForm::Wgsl:
            return "WGSL";
        case RopCopyForm::OpenGl:
            return "OpenGL";
        case RopCopyForm::Vulkan:
            return "Vulkan";
        case RopCopyForm::Direct3D12:
            return "Direct3D 12";
        case RopCopyForm::Qt:
            return "Qt";
        case RopCopyForm::X11:
            return "X11 GC function";
        case RopCopyForm::AmigaMinterm:
            return "Amiga minterm";
    }
    return {};
}

RopCopyResult RopCopyText(RopCopyForm form, std::uint32_t code) {
    const std::uint8_t index = RopTruthTable::IndexOfCode(code);
    switch (form) {
        case RopCopyForm::C:
            return Copied(FormatRopCodeWithComment(code));
        case RopCopyForm::BitBltCall:
            return Copied(BlitCall(code, index));
        case RopCopyForm::Glsl:
        case RopCopyForm::Hlsl:
        case RopCopyForm::Msl:
        case RopCopyForm::Wgsl:
            return Copied(JoinRopText({RopShaderExpression(index), " /* ", FormatFullRopCode(code),
                                       " ", RopNameOrRpn(index), " */"}));
        case RopCopyForm::X11:
            return X11Text(code, index);
        case RopCopyForm::AmigaMinterm:
            return Copied(AmigaText(code, index));
        case RopCopyForm::OpenGl:
        case RopCopyForm::Vulkan:
        case RopCopyForm::Direct3D12:
        case RopCopyForm::Qt:
            break;
    }
    return LogicOpText(form, code, index);
}
