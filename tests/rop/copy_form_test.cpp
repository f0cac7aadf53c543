#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rop_copy_form.h"

TEST(RopCopyForm, FormsInListOrderWithCFirst) {
    std::vector<std::string> names;
    for (const RopCopyForm form : kRopCopyForms) names.emplace_back(RopCopyFormName(form));
    EXPECT_EQ(names, (std::vector<std::string>{"C", "BitBlt call", "GLSL", "HLSL", "MSL", "WGSL",
                                               "OpenGL", "Vulkan", "Direct3D 12", "Qt",
                                               "X11 GC function", "Amiga minterm"}));
}

TEST(RopCopyForm, EachFormOfACodeIsPasteReadyAndNamesTheCode) {
    const struct {
        RopCopyForm form;
        std::uint32_t code;
        const char* text;
    } cases[] = {
        {RopCopyForm::C, 0x00660046, "0x00660046 /* SRCINVERT: S ^ D */"},
        {RopCopyForm::BitBltCall, 0x00660046,
         "BitBlt(hdcDest, x, y, cx, cy, hdcSrc, xSrc, ySrc, 0x00660046); /* SRCINVERT: S ^ D */"},
        {RopCopyForm::BitBltCall, 0x005A0049,
         "PatBlt(hdcDest, x, y, cx, cy, 0x005A0049); /* PATINVERT: P ^ D */"},
        {RopCopyForm::Glsl, 0x00E20746, "d ^ (s & (p ^ d)) /* 0x00E20746 DSPDxax */"},
        {RopCopyForm::Hlsl, 0x00660046, "s ^ d /* 0x00660046 SRCINVERT */"},
        {RopCopyForm::Msl, 0x00FF0062, "0xFFFFFFFFu /* 0x00FF0062 WHITENESS */"},
        {RopCopyForm::Wgsl, 0x00000042, "0u /* 0x00000042 BLACKNESS */"},
        {RopCopyForm::OpenGl, 0x00660046,
         "glEnable(GL_COLOR_LOGIC_OP); glLogicOp(GL_XOR); /* 0x00660046 SRCINVERT: draw the "
         "source */"},
        {RopCopyForm::OpenGl, 0x005A0049,
         "glEnable(GL_COLOR_LOGIC_OP); glLogicOp(GL_XOR); /* 0x005A0049 PATINVERT: draw the "
         "brush colour */"},
        {RopCopyForm::Vulkan, 0x00550009,
         "VK_LOGIC_OP_INVERT /* 0x00550009 DSTINVERT: any colour */"},
        {RopCopyForm::Direct3D12, 0x00220326,
         "D3D12_LOGIC_OP_AND_INVERTED /* 0x00220326 DSna: draw the source */"},
        {RopCopyForm::Qt, 0x00660046,
         "painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination); /* 0x00660046 "
         "SRCINVERT: draw the source */"},
        {RopCopyForm::Qt, 0x00CC0020,
         "painter.setCompositionMode(QPainter::CompositionMode_Source); /* 0x00CC0020 SRCCOPY: "
         "draw the source */"},
        {RopCopyForm::X11, 0x00660046,
         "XSetFunction(display, gc, GXxor); /* 0x00660046 SRCINVERT: draw the source */"},
        {RopCopyForm::X11, 0x00A000C9,
         "XSetFunction(display, gc, GXand); /* 0x00A000C9 DPa: draw the brush colour */"},
        {RopCopyForm::AmigaMinterm, 0x00E20746, "0xE2 /* 0x00E20746 DSPDxax: A=P, B=S, C=D */"},
        // Written as given: a stray low word stays, bits 16 to 23 decide.
        {RopCopyForm::C, 0x00CC0000, "0x00CC0000 /* SRCCOPY: S */"},
        {RopCopyForm::Glsl, 0xAA660046, "s ^ d /* 0xAA660046 SRCINVERT */"},
    };
    for (const auto& c : cases) {
        const RopCopyResult result = RopCopyText(c.form, c.code);
        EXPECT_TRUE(result.ok) << RopCopyFormName(c.form) << " " << c.code;
        EXPECT_EQ(result.text, c.text);
    }
}

TEST(RopCopyForm, ApiFormsOfACodeReadingPAndSSayWhyAndPointToAShader) {
    const struct {
        RopCopyForm form;
        const char* message;
    } cases[] = {
        {RopCopyForm::OpenGl,
         "OpenGL: no logic op for a code that needs both P and S; copy it as GLSL"},
        {RopCopyForm::Vulkan,
         "Vulkan: no logic op for a code that needs both P and S; copy it as GLSL"},
        {RopCopyForm::Direct3D12,
         "Direct3D 12: no logic op for a code that needs both P and S; copy it as HLSL"},
        {RopCopyForm::Qt, "Qt: no raster op for a code that needs both P and S; copy it as GLSL"},
        {RopCopyForm::X11, "X11: no GC function for a code that needs both P and S; copy it as C"},
    };
    for (const std::uint32_t code : {0x00E20746u, 0x00C000CAu}) {
        for (const auto& c : cases) {
            const RopCopyResult result = RopCopyText(c.form, code);
            EXPECT_FALSE(result.ok) << result.text;
            EXPECT_EQ(result.text, c.message);
        }
        for (const RopCopyForm form :
             {RopCopyForm::C, RopCopyForm::BitBltCall, RopCopyForm::Glsl, RopCopyForm::Hlsl,
              RopCopyForm::Msl, RopCopyForm::Wgsl, RopCopyForm::AmigaMinterm})
            EXPECT_TRUE(RopCopyText(form, code).ok) << RopCopyFormName(form);
    }
}
