#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "velmar_rop_invocation.h"

namespace {

std::size_t CountLines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

TEST(VelmarRopOutput, TextAndJsonReports) {
    const VelmarRopRun text = Invoke({"(P & S) | (D & ~S)"});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.out, R"(Read as        expression
Index          0xE2
Code           0x00E20746
Window form    0xE20746
Published RPN  DSPDxax
GDI name       (none)
Shortest       D ^ (S & (P ^ D))  (3 operators)
Rows           01000111

Row  P  S  D  Result
  1  0  0  0  0
  2  0  0  1  1
  3  0  1  0  0
  4  0  1  1  0
  5  1  0  0  0
  6  1  0  1  1
  7  1  1  0  1
  8  1  1  1  1
)");
    EXPECT_EQ(
        Invoke({"--json", "--rpn", "DSa"}).out,
        R"({"read_as":"RPN","index":"0x88","code":"0x008800C6","window_code":"0x8800C6",)"
        R"("rpn":"DSa","gdi_name":"SRCAND","expression":"S & D","operators":1,)"
        R"("rows":"00010001","truth_table":[{"row":1,"P":0,"S":0,"D":0,"result":0},)"
        R"({"row":2,"P":0,"S":0,"D":1,"result":0},{"row":3,"P":0,"S":1,"D":0,"result":0},)"
        R"({"row":4,"P":0,"S":1,"D":1,"result":1},{"row":5,"P":1,"S":0,"D":0,"result":0},)"
        R"({"row":6,"P":1,"S":0,"D":1,"result":0},{"row":7,"P":1,"S":1,"D":0,"result":0},)"
        R"({"row":8,"P":1,"S":1,"D":1,"result":1}],"warning":null,)"
        R"("port":{"drawn":"S","opengl":"GL_AND","vulkan":"VK_LOGIC_OP_AND",)"
        R"("direct3d":"D3D12_LOGIC_OP_AND","qt":"QPainter::RasterOp_SourceAndDestination",)"
        R"("glsl":"s & d","hlsl":"s & d","msl":"s & d","wgsl":"s & d","limit":"logic ops )"
        R"(need an integer or UNORM target (not float, not sRGB) and replace blending; )"
        R"(OpenGL ES, WebGL, Metal and WebGPU have none","x11":{"function":"GXand","value":1},)"
        R"("amiga":{"minterm":"0x88","channels":"A=P, B=S, C=D"},"amiga_bltbitmap":"0x80",)"
        R"("pc98_egc":"0xC0","ibm8514_mix":{"mix":12,"meaning":"S&D"},)"
        R"("atari_blitter":{"hop":2,"op":1},"atari_blitter_limit":null}})"
        "\n");
}

TEST(VelmarRopOutput, CodeWithAnotherLowWordIsWarnedAbout) {
    const std::string text = Invoke({"--code", "0xE20749"}).out;
    EXPECT_NE(text.find("Code           0x00E20746\n"), std::string::npos);
    EXPECT_NE(text.find("\nWarning        low word 0x0749 of code 0x00E20749 is not 0x0746, the "
                        "published one for index 0xE2; GDI decides by the index alone\n"
                        "Low word       0x0749 encodes DPSDxax (index 0xCA)\n"),
              std::string::npos);
    EXPECT_NE(Invoke({"D"}).out.find("Low word       0x000D encodes no RPN\n"), std::string::npos);
    const std::string json = Invoke({"--code=0x0D", "--json"}).out;
    EXPECT_NE(json.find(R"("warning":{"message":"low word 0x000D of code 0x0000000D is not )"),
              std::string::npos);
    EXPECT_NE(json.find(R"("given_low_word_rpn":null,"given_low_word_index":null})"),
              std::string::npos);
    EXPECT_EQ(Invoke({"0x00CC0020"}).out.find("Warning"), std::string::npos);
}

TEST(VelmarRopInput, EveryFormReachesTheSameOperation) {
    const std::vector<std::vector<std::string>> forms = {
        {"--rows", "01000111"}, {"--rows=0100 0111"},  {"--index", "E2"},    {"--index", "0xe2"},
        {"--rpn", "DSPDxax"},   {"--rpn", "PSaDSnao"}, {"DSPDxax"},          {"P&S|D&~S"},
        {"0x00E20746"},         {"xE20746"},           {"--code", "E20746"}, {"--", "e20746"},
    };
    for (std::vector<std::string> form : forms) {
        form.insert(form.begin(), "--json");
        const VelmarRopRun run = Invoke(form);
        EXPECT_EQ(run.status, 0) << form.back() << run.err;
        EXPECT_EQ(JsonField(run.out, "index"), "0xE2") << form.back();
    }
}

TEST(VelmarRopInput, BareTextIsACodeThenAnExpressionThenRpn) {
    const struct {
        const char *text, *readAs, *index;
    } cases[] = {
        {"D", "code", "0x00"},         {"0xCC0020", "code", "0xCC"},  {"DDa", "code", "0x00"},
        {"DSa", "RPN", "0x88"},        {"S&D", "expression", "0x88"}, {"~D", "expression", "0x55"},
        {"(D)", "expression", "0xAA"}, {"Dn", "RPN", "0x55"},
    };
    for (const auto& c : cases) {
        const std::string json = Invoke({"--json", c.text}).out;
        EXPECT_EQ(JsonField(json, "read_as"), c.readAs) << c.text;
        EXPECT_EQ(JsonField(json, "index"), c.index) << c.text;
    }
    EXPECT_EQ(JsonField(Invoke({"--json", "--rpn", "D"}).out, "index"), "0xAA");
}

TEST(VelmarRopErrors, BadOperationsGetOneLineAndStatusOne) {
    const struct {
        std::vector<std::string> args;
        const char* err;
    } cases[] = {
        {{"--code", "-1"}, "code: Please enter an integer."},
        {{"--code", "FFFFFFFFF"}, "code: Please enter an integer."},
        {{"1000000"}, "code: Please enter an integer between 0 and ffffff."},
        {{"P & Q"}, "expression: unknown operand 'Q' at position 5 (operands are P, S, D, 0, 1)"},
        {{"DSPq"},
         "RPN: unknown symbol 'q' at position 4 (operands P, S, D, 0, 1; operators a, o, "
         "x, n)"},
        {{"--expr", "S ? P : D"}, "expression: unexpected '?' at position 3"},
        {{""}, "RPN: the RPN is empty"},
        {{"--rows", "0101"}, "rows: there are 8 rows, but only 4 results are given"},
        {{"--index", "1G"}, "index: 'G' at position 2 is not a hexadecimal digit"},
        {{"--expr", "srcpaint"},
         "expression: 'srcpaint' at position 1 is a GDI name; an expression has no names"},
        {{"SRCCPY"},
         "name: unknown name 'SRCCPY' at position 1 (GDI names such as SRCCOPY or R2_XORPEN, any "
         "letter case)"},
        {{"--rop2", "P & S"},
         "--rop2: expression: a pen mix has no source, but 'S' is at position 5 (operands are P, "
         "D, 0, 1)"},
        {{"--rop2=SRCCOPY"},
         "--rop2: name: a pen mix has no source, but 'SRCCOPY' at position 1 reads one"},
        {{"--fore", "P & Q", "--back", "D"},
         "--fore: expression: unknown operand 'Q' at position 5 (operands are P, S, D, 0, 1)"},
        {{"--fore", "S", "--back", "1000000"},
         "--back: code: Please enter an integer between 0 and ffffff."},
        {{"--rop4", "0x1AACC0020"},
         "--rop4: the code is larger than FFFFFFFF at position 11 (a MaskBlt code is 32 bits)"},
    };
    for (const auto& c : cases) {
        const VelmarRopRun run = Invoke(c.args);
        EXPECT_EQ(run.status, 1) << c.args[0];
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "velmar-rop: " + std::string(c.err) + "\n");
    }
    // The window reads what strtoul reads and ignores the rest, so does --code: "zz" is 0.
    EXPECT_EQ(JsonField(Invoke({"--json", "--code", "CC0020 and more"}).out, "index"), "0xCC");
    EXPECT_EQ(JsonField(Invoke({"--json", "--code", "zz"}).out, "given_code"), "0x00000000");
}

TEST(VelmarRopErrors, UsageErrorsGetStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--json"},
        {"--bogus"},
        {"-1"},
        {"--rows"},
        {"P", "S"},
        {"--rpn", "D", "--expr", "P"},
        {"--table", "P"},
        {std::string(100000, '-')},
        {"--fore", "S"},
        {"--back", "D"},
        {"--fore", "S", "--fore", "D", "--back", "D"},
        {"--rop2", "--rpn", "DPx"},
        {"--rop2", "--rop4", "0"},
        {"--rop4", "0", "--fore", "S", "--back", "D"},
        {"--table", "--rop2", "13"},
        {"--rop4"},
    };
    for (const auto& args : cases) {
        const VelmarRopRun run = Invoke(args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "(none)" : args[0]);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(CountLines(run.err), 1u) << run.err;
        EXPECT_LT(run.err.size(), 200u) << run.err;
    }
    EXPECT_EQ(Invoke({"--help"}).status, 0);
}

TEST(VelmarRopTable, ListsAll256OperationsInTextAndJson) {
    const std::string text = Invoke({"--table"}).out;
    EXPECT_EQ(CountLines(text), 1u + 256u);
    EXPECT_NE(text.find("\n0xE2   0x00E20746  01000111  DSPDxax      -            3    "
                        "D ^ (S & (P ^ D))\n"),
              std::string::npos);
    const std::string json = Invoke({"--json", "--table"}).out;
    EXPECT_EQ(CountLines(json), 2u + 256u);
    std::size_t line = json.find('\n') + 1;
    for (int index = 0; index < 256; ++index, line = json.find('\n', line) + 1) {
        char start[32];
        std::snprintf(start, sizeof start, "{\"index\":\"0x%02X\"", index);
        EXPECT_EQ(json.compare(line, std::string(start).size(), start), 0) << index;
    }
    EXPECT_EQ(json.substr(line), "]\n");
}

TEST(VelmarRopInput, GdiNamesInAnyCaseAreOperations) {
    for (const char* name : {"SRCCOPY", "srccopy", "SrcCopy"}) {
        const std::string json = Invoke({"--json", name}).out;
        EXPECT_EQ(JsonField(json, "read_as"), "name") << name;
        EXPECT_EQ(JsonField(json, "index"), "0xCC") << name;
    }
    EXPECT_EQ(JsonField(Invoke({"--json", "r2_xorpen"}).out, "code"), "0x005A0049");
}

TEST(VelmarRopPenMix, TextAndJsonReports) {
    EXPECT_EQ(Invoke({"--rop2", "R2_XORPEN"}).out, R"(Read as        name
Pen mix        7
Name           R2_XORPEN
Published RPN  DPx
Shortest       P ^ D  (1 operator)
Rows           0110
Ternary twin   0x5A 0x005A0049 PATINVERT

Row  P  D  Result
  1  0  0  0
  2  0  1  1
  3  1  0  1
  4  1  1  0
)");
    EXPECT_EQ(Invoke({"--json", "--rop2=13"}).out,
              R"({"read_as":"code","pen_mix":13,"name":"R2_COPYPEN","rpn":"P","expression":"P",)"
              R"("operators":0,"rows":"0011","truth_table":[{"row":1,"P":0,"D":0,"result":0},)"
              R"({"row":2,"P":0,"D":1,"result":0},{"row":3,"P":1,"D":0,"result":1},)"
              R"({"row":4,"P":1,"D":1,"result":1}],"twin":{"index":"0xF0","code":"0x00F00021",)"
              R"("gdi_name":"PATCOPY"},"port":{"drawn":"P","opengl":"GL_COPY",)"
              R"("vulkan":"VK_LOGIC_OP_COPY","direct3d":"D3D12_LOGIC_OP_COPY",)"
              R"("qt":"QPainter::CompositionMode_Source","glsl":"p","hlsl":"p","msl":"p",)"
              R"("wgsl":"p","limit":"logic ops need an integer or UNORM target (not float, not )"
              R"(sRGB) and replace blending; OpenGL ES, WebGL, Metal and WebGPU have none",)"
              R"("x11":{"function":"GXcopy","value":3},"amiga":{"minterm":"0xF0",)"
              R"("channels":"A=P, B=S, C=D"},"amiga_bltbitmap":null,"pc98_egc":"0xAA",)"
              R"("ibm8514_mix":{"mix":7,"meaning":"S"},"atari_blitter":{"hop":1,"op":3},)"
              R"("atari_blitter_limit":null}})"
              "\n");
    const std::string table = Invoke({"--table", "--rop2"}).out;
    EXPECT_EQ(CountLines(table), 1u + 16u);
    EXPECT_NE(table.find("\n6    R2_NOT          1010  Dn     0x55  0x00550009  DSTINVERT  ~D\n"),
              std::string::npos);
    const std::string json = Invoke({"--rop2", "--json", "--table"}).out;
    EXPECT_EQ(CountLines(json), 2u + 16u);
    const std::string first = "[\n{\"pen_mix\":1,\"name\":\"R2_BLACK\",";
    EXPECT_EQ(json.compare(0, first.size(), first), 0) << json;
}
