#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "velmar_rop_invocation.h"

TEST(VelmarRopMask, TransparentSpriteTextReport) {
    EXPECT_EQ(Invoke({"--fore", "srccopy", "--back", "0x00AA0029"}).out,
              R"(Code           0xAACC0020
As C           MAKEROP4(SRCCOPY, 0x00AA0029)
Mask bit 1     foreground 0xCC: S
Mask bit 0     background 0xAA: D

Foreground, where the mask bit is 1:
Read as        name
Index          0xCC
Code           0x00CC0020
Window form    0xCC0020
Published RPN  S
GDI name       SRCCOPY
Shortest       S  (0 operators)
Rows           00110011

Background, where the mask bit is 0:
Read as        code
Index          0xAA
Code           0x00AA0029
Window form    0xAA0029
Published RPN  D
GDI name       (none)
Shortest       D  (0 operators)
Rows           01010101

Row  M  P  S  D  Result
  1  0  0  0  0  0
  2  0  0  0  1  1
  3  0  0  1  0  0
  4  0  0  1  1  1
  5  0  1  0  0  0
  6  0  1  0  1  1
  7  0  1  1  0  0
  8  0  1  1  1  1
  9  1  0  0  0  0
 10  1  0  0  1  0
 11  1  0  1  0  1
 12  1  0  1  1  1
 13  1  1  0  0  0
 14  1  1  0  1  0
 15  1  1  1  0  1
 16  1  1  1  1  1
)");
}

// Each --fore/--back code taken apart by --rop4 gives back its halves and its C form.
TEST(VelmarRopMask, Rop4UndoesForeAndBack) {
    const struct {
        const char *fore, *back, *code;
    } cases[] = {
        {"SRCCOPY", "0x00AA0029", "0xAACC0020"}, {"0x00AA0029", "SRCCOPY", "0xCCAA0029"},
        {"SRCCOPY", "srccopy", "0xCCCC0020"},    {"PATCOPY", "R2_NOT", "0x55F00021"},
        {"DSPDxax", "S & D", "0x88E20746"},      {"0x00CC0021", "BLACKNESS", "0x00CC0021"},
    };
    for (const auto& c : cases) {
        const std::string built = Invoke({"--json", "--fore", c.fore, "--back", c.back}).out;
        EXPECT_EQ(JsonField(built, "code"), c.code) << c.fore << " " << c.back;
        const std::string parts = Invoke({"--json", "--rop4", c.code}).out;
        EXPECT_EQ(JsonField(parts, "code"), c.code);
        EXPECT_EQ(JsonField(parts, "as_c"), JsonField(built, "as_c")) << c.code;
        for (const char* half : {"\"foreground\":{", "\"background\":{"})
            EXPECT_EQ(JsonField(parts.substr(parts.find(half)), "index"),
                      JsonField(built.substr(built.find(half)), "index"))
                << c.code << " " << half;
    }
}

TEST(VelmarRopMask, UnusualLowWordIsPointedOut) {
    const std::string text = Invoke({"--rop4", "aacc1234"}).out;
    EXPECT_NE(text.find("As C           MAKEROP4(0x00CC1234, 0x00AA0029)\n"), std::string::npos);
    EXPECT_NE(text.find("\nWarning        low word 0x1234 of code 0xAACC1234 is neither 0 nor "
                        "0x0020, the published one for the foreground 0xCC; MaskBlt ignores it\n"),
              std::string::npos)
        << text;
    EXPECT_NE(Invoke({"--json", "--rop4", "0xAACC1234"})
                  .out.find(R"("given_low_word":"0x1234","published_low_word":"0x0020"})"),
              std::string::npos);
    for (const char* usual : {"0xAACC0020", "0xAACC0000"})
        EXPECT_EQ(Invoke({"--rop4", usual}).out.find("Warning"), std::string::npos) << usual;
}
