#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "velmar_rop.h"

namespace {

std::string Out(const std::vector<std::string>& args) { return RunVelmarRop(args).out; }

std::size_t Count(const std::string& text, const std::string& needle) {
    std::size_t count = 0;
    for (std::size_t at = text.find(needle); at != std::string::npos;
         at = text.find(needle, at + 1))
        ++count;
    return count;
}

}  // namespace

TEST(VelmarRopPort, TextReportGainsThePortOnlyWithPort) {
    const std::string xor_ = Out({"--port", "SRCINVERT"});
    EXPECT_NE(xor_.find("Rows           01100110\n"
                        "Drawn          S (the source image is the fragment colour)\n"
                        "OpenGL         glLogicOp(GL_XOR)\n"
                        "Vulkan         VK_LOGIC_OP_XOR\n"
                        "Direct3D 12    D3D12_LOGIC_OP_XOR\n"
                        "Qt             QPainter::RasterOp_SourceXorDestination\n"
                        "GLSL           s ^ d\n"
                        "HLSL           s ^ d\n"
                        "MSL            s ^ d\n"
                        "WGSL           s ^ d\n"
                        "Limit          logic ops need an integer or UNORM target (not float, not "
                        "sRGB) and replace blending; OpenGL ES, WebGL, Metal and WebGPU have none\n"
                        "X11            GXxor (6)\n"
                        "Amiga minterm  0x66 (A=P, B=S, C=D)\n"
                        "BltBitMap      0x60 (B = source, C = destination)\n"
                        "PC-98 EGC      0x3C\n"
                        "8514/A mix     5 (S^D)\n"
                        "Atari BLiTTER  HOP 2 (source, S), OP 6\n"
                        "\nRow  P  S  D  Result\n"),
              std::string::npos)
        << xor_;
    EXPECT_EQ(Out({"SRCINVERT"}).find("Drawn"), std::string::npos);

    const std::string both = Out({"DSPDxax", "--port"});
    EXPECT_NE(both.find("\nOpenGL         (none: the code needs both P and S)\n"),
              std::string::npos);
    EXPECT_NE(both.find("\nWGSL           d ^ (s & (p ^ d))\n"
                        "Limit          no logic op reads both P and S: use the shader"),
              std::string::npos)
        << both;
    EXPECT_NE(both.find("\nX11            (none: the code needs both P and S)\n"
                        "Amiga minterm  0xE2 (A=P, B=S, C=D)\n"
                        "BltBitMap      (none: BltBitMap has no pattern, and the code reads P)\n"
                        "PC-98 EGC      0xAC\n"
                        "8514/A mix     (none: the code needs both P and S)\n"
                        "Atari BLiTTER  (none: one pass reads P and S together only as S AND P"),
              std::string::npos)
        << both;

    // The pen is the drawn colour; a MaskBlt code ports each half.
    const std::string pen = Out({"--rop2", "R2_XORPEN", "--port"});
    EXPECT_NE(pen.find("Ternary twin   0x5A 0x005A0049 PATINVERT\n"
                       "Drawn          P (a quad in the brush colour)\n"
                       "OpenGL         glLogicOp(GL_XOR)\n"),
              std::string::npos)
        << pen;
    const std::string mask = Out({"--port", "--fore", "SRCCOPY", "--back", "0x00AA0029"});
    EXPECT_EQ(Count(mask, "\nDrawn "), 2u);
    EXPECT_NE(mask.find("glLogicOp(GL_COPY)"), std::string::npos);
    EXPECT_NE(mask.find("glLogicOp(GL_NOOP)"), std::string::npos);
}

TEST(VelmarRopPort, JsonAlwaysEndsWithThePortOfEachKindOfDrawnColour) {
    const struct {
        std::vector<std::string> args;
        const char* start;  // the port object up to its qt key
        const char* glsl;
    } cases[] = {
        {{"SRCINVERT"},
         R"("port":{"drawn":"S","opengl":"GL_XOR","vulkan":"VK_LOGIC_OP_XOR",)"
         R"("direct3d":"D3D12_LOGIC_OP_XOR","qt":"QPainter::RasterOp_SourceXorDestination",)",
         "s ^ d"},
        {{"PATINVERT"}, R"("port":{"drawn":"P","opengl":"GL_XOR",)", "p ^ d"},
        {{"--rpn", "D"},
         R"("port":{"drawn":null,"opengl":"GL_NOOP","vulkan":"VK_LOGIC_OP_NO_OP",)"
         R"("direct3d":"D3D12_LOGIC_OP_NOOP","qt":"QPainter::CompositionMode_Destination",)",
         "d"},
        {{"MERGECOPY"},
         R"("port":{"drawn":null,"opengl":null,"vulkan":null,"direct3d":null,"qt":null,)",
         "p & s"},
        {{"--rop2", "R2_NOP"}, R"("port":{"drawn":null,"opengl":"GL_NOOP",)", "d"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.begin(), "--json");
        const std::string json = Out(args);
        const std::size_t port = json.find(c.start);
        ASSERT_NE(port, std::string::npos) << c.args.back() << ": " << json;
        const std::string shader = c.glsl;
        EXPECT_NE(json.find(R"("glsl":")" + shader + R"(","hlsl":")" + shader + R"(","msl":")" +
                                shader + R"(","wgsl":")" + shader + R"(","limit":")",
                            port),
                  std::string::npos)
            << json;
        EXPECT_EQ(json.find("}}\n", port), json.size() - 3) << "port is the last key";
    }
    EXPECT_EQ(Count(Out({"--json", "--rop4", "0xAACC0020"}), "\"port\":{\"drawn\""), 2u);
}

TEST(VelmarRopPort, TableWithPortListsEveryCodeAndItsLimits) {
    const std::string table = Out({"--table", "--port"});
    EXPECT_EQ(Count(table, "\n"), 1u + 256u + 5u);
    EXPECT_EQ(table.rfind("Index  Code        GDI name     Drawn  OpenGL  ", 0), 0u);
    EXPECT_NE(table.find("  Qt                                             X11            Amiga "
                         "BltBitMap EGC  8514 Atari Shader\n"),
              std::string::npos);
    for (const char* line : {
             "\n0x66   0x00660046  SRCINVERT    S      GL_XOR            VK_LOGIC_OP_XOR        "
             "    D3D12_LOGIC_OP_XOR            QPainter::RasterOp_SourceXorDestination        "
             "GXxor          0x66  0x60      0x3C 5    2/6   s ^ d\n",
             "\n0x5A   0x005A0049  PATINVERT    P      GL_XOR            VK_LOGIC_OP_XOR        "
             "    D3D12_LOGIC_OP_XOR            QPainter::RasterOp_SourceXorDestination        "
             "GXxor          0x5A  -         0x66 5    1/6   p ^ d\n",
             "\n0xE2   0x00E20746  -            -      -                 -                      "
             "    -                             -                                              "
             "-              0xE2  -         0xAC -    -     d ^ (s & (p ^ d))\n",
             "\n\nLimits: logic ops need an integer or UNORM target",
             "\nShader: the same expression in GLSL, HLSL, MSL and WGSL",
             "\nAtari: HOP/OP of one BLiTTER pass; - where there is none: one pass reads",
         })
        EXPECT_NE(table.find(line), std::string::npos) << line;

    const std::string mixes = Out({"--table", "--rop2", "--port"});
    EXPECT_EQ(Count(mixes, "\n"), 1u + 16u + 5u);
    EXPECT_NE(mixes.find("\n7    R2_XORPEN       P      GL_XOR   "), std::string::npos) << mixes;

    const std::string json = Out({"--table", "--json"});
    EXPECT_EQ(Count(json, "\"port\":{\"drawn\""), 256u);
    EXPECT_EQ(Count(json, "\"opengl\":null"), 228u);  // every code reading both P and S
    EXPECT_EQ(Out({"--table", "--json", "--port"}), json);
    EXPECT_EQ(Count(Out({"--table", "--json", "--rop2"}), "\"port\":{\"drawn\""), 16u);
}
