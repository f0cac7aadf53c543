#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "velmar_rop.h"

namespace {

VelmarRopRun Invoke(std::vector<std::string> args) { return RunVelmarRop(args); }

std::size_t CountLines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

std::string JsonField(const std::string& json, const std::string& name) {
    const std::size_t start = json.find("\"" + name + "\":\"");
    if (start == std::string::npos) return {};
    const std::size_t value = start + name.size() + 4;
    return json.substr(value, json.find('"', value) - value);
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
    EXPECT_EQ(Invoke({"--json", "--rpn", "DSa"}).out,
              R"({"read_as":"RPN","index":"0x88","code":"0x008800C6","window_code":"0x8800C6",)"
              R"("rpn":"DSa","gdi_name":"SRCAND","expression":"S & D","operators":1,)"
              R"("rows":"00010001","truth_table":[{"row":1,"P":0,"S":0,"D":0,"result":0},)"
              R"({"row":2,"P":0,"S":0,"D":1,"result":0},{"row":3,"P":0,"S":1,"D":0,"result":0},)"
              R"({"row":4,"P":0,"S":1,"D":1,"result":1},{"row":5,"P":1,"S":0,"D":0,"result":0},)"
              R"({"row":6,"P":1,"S":0,"D":1,"result":0},{"row":7,"P":1,"S":1,"D":0,"result":0},)"
              R"({"row":8,"P":1,"S":1,"D":1,"result":1}],"warning":null})"
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
