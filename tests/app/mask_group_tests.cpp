#include <gtest/gtest.h>

#include <string>

#include "afxwin.h"
#include "main_window_steps.h"
#include "program_fixture.h"
#include "resource.h"
#include "sample_mask.h"
#include "sample_panel.h"

namespace {

bool WaitForRop4(const ProgramDriver& velmar, const std::string& code, const std::string& asC) {
    return velmar.WaitForText(IDC_MASK_ROP4, code + "\r\n" + asC);
}

// The ROP4 field follows both halves however they change: the table, Hex and Set for the
// foreground, the entry as it is typed for the background.
TEST_F(ProgramTest, TheRop4FieldFollowsBothCodesAsTheyChange) {
    ProgramDriver& velmar = StartProgram();
    EXPECT_EQ(velmar.Text(IDC_MASK_BACKGROUND), "D");
    EXPECT_TRUE(WaitForRop4(velmar, "0xAACC0020", "MAKEROP4(SRCCOPY, 0x00AA0029)"));
    EXPECT_EQ(velmar.Text(IDC_MASK_HINT),
              "MaskBlt: a sprite: the source where the mask is 1, the destination kept where it "
              "is 0");

    TickResults(velmar, "01000111");
    EXPECT_TRUE(WaitForRop4(velmar, "0xAAE20746", "MAKEROP4(0x00E20746, 0x00AA0029)"));
    ReplaceHexText(velmar, "0x660046");
    EXPECT_TRUE(WaitForRop4(velmar, "0xAA660046", "MAKEROP4(SRCINVERT, 0x00AA0029)"));
    ReplaceText(velmar, IDC_EXPRESSION, "srcpaint");
    velmar.ClickItem(IDC_EXPRESSION_SET);
    EXPECT_TRUE(WaitForRop4(velmar, "0xAAEE0086", "MAKEROP4(SRCPAINT, 0x00AA0029)"));

    const struct {
        const char* typed;
        const char* code;
        const char* asC;
    } backgrounds[] = {
        {"0x55", "0x55EE0086", "MAKEROP4(SRCPAINT, DSTINVERT)"},
        {"0x00CC0020", "0xCCEE0086", "MAKEROP4(SRCPAINT, SRCCOPY)"},
        {"~D", "0x55EE0086", "MAKEROP4(SRCPAINT, DSTINVERT)"},
        {"DSna", "0x22EE0086", "MAKEROP4(SRCPAINT, 0x00220326)"},
        {"blackness", "0x00EE0086", "MAKEROP4(SRCPAINT, BLACKNESS)"},
    };
    for (const auto& background : backgrounds) {
        ReplaceText(velmar, IDC_MASK_BACKGROUND, background.typed);
        EXPECT_TRUE(WaitForRop4(velmar, background.code, background.asC)) << background.typed;
    }
    ReplaceText(velmar, IDC_MASK_BACKGROUND, "P &");
    EXPECT_TRUE(velmar.WaitForText(IDC_MASK_ROP4, "")) << "no code while the entry is unread";
}

// Pictures as this process draws them, at the program's size: the same GDI.
Picture DefaultPicture(int nPanel, SIZE size) {
    SamplePanel panel(nPanel);
    CreateSampleBitmap(panel, size);
    const SamplePicture::Lent unselected(panel.m_picture);
    const CClientDC screen(nullptr);
    return PictureOf(screen, unselected.Bitmap(), size.cx, size.cy);
}

Picture DefaultMask(SIZE size) {
    SampleMask mask;
    mask.Create(size);
    const SamplePicture::Lent unselected(mask);
    const CClientDC screen(nullptr);
    return PictureOf(screen, unselected.Bitmap(), size.cx, size.cy);
}

TEST_F(ProgramTest, MaskBltDrawsASpriteThroughTheMaskAndABadBackgroundDrawsNothing) {
    ProgramDriver& velmar = StartProgram();
    const SIZE size = ClientSize(velmar.Item(IDC_PICTURE1));
    ASSERT_EQ(ClientSize(velmar.Item(IDC_MASK_PICTURE)).cx, size.cx) << "the samples' size";
    const Picture mask = DefaultMask(size);
    const auto showsMask = [&](const Picture& shown) { return shown.pixels == mask.pixels; };
    EXPECT_TRUE(showsMask(velmar.WaitForPicture(IDC_MASK_PICTURE, showsMask)));

    const Picture first = DefaultPicture(0, size), second = DefaultPicture(1, size);
    Picture sprite = second;
    for (size_t i = 0; i < sprite.pixels.size(); ++i)
        if (mask.pixels[i] == RGB(255, 255, 255)) sprite.pixels[i] = first.pixels[i];
    velmar.ClickItem(IDC_MASKBLT_1TO2);
    const auto showsSprite = [&](const Picture& shown) { return shown.pixels == sprite.pixels; };
    EXPECT_TRUE(showsSprite(velmar.WaitForPicture(IDC_PICTURE2, showsSprite)))
        << "Bitmap 1 inside the disc, Bitmap 2 kept around it";

    // Said in the group, never under Expression, whose own fault stays as it was.
    ReplaceText(velmar, IDC_EXPRESSION, "P &");
    velmar.ClickItem(IDC_EXPRESSION_SET);
    ASSERT_TRUE(velmar.WaitUntil([&] { return !velmar.Text(IDC_MEANING_STATUS).empty(); }));
    const std::string expressionFault = velmar.Text(IDC_MEANING_STATUS);
    ReplaceText(velmar, IDC_MASK_BACKGROUND, "D & Q");
    // From the keyboard, so the button carries the default frame while it has the focus.
    ASSERT_TRUE(velmar.FocusItem(IDC_MASKBLT_2TO1));
    velmar.PostKey(velmar.Item(IDC_MASKBLT_2TO1), VK_SPACE);
    EXPECT_TRUE(velmar.WaitForText(
        IDC_MASK_STATUS,
        "expression: unknown operand 'Q' at position 5 (operands are P, S, D, 0, 1)"));
    EXPECT_EQ(velmar.Text(IDC_MEANING_STATUS), expressionFault);
    DWORD start = 0, end = 0;
    ::SendMessageA(velmar.Item(IDC_MASK_BACKGROUND), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 4u);
    EXPECT_EQ(end, 5u);
    EXPECT_FALSE(velmar.OpenMessageBox());
    const auto unchanged = [&](const Picture& shown) { return shown.pixels == first.pixels; };
    EXPECT_TRUE(unchanged(velmar.WaitForPicture(IDC_PICTURE1, unchanged)));
    const auto style = ::GetWindowLongA(velmar.Item(IDC_MASKBLT_2TO1), GWL_STYLE) & BS_TYPEMASK;
    EXPECT_EQ(style, BS_PUSHBUTTON) << "the dialog manager moved the focus: no default frame left";

    ::SendMessageA(velmar.Item(IDC_MASK_BACKGROUND), WM_CHAR, 'x', 0);
    EXPECT_TRUE(velmar.WaitForText(IDC_MASK_STATUS, "")) << "typing clears the group's line";
    EXPECT_EQ(velmar.Text(IDC_MEANING_STATUS), expressionFault);
}

TEST_F(ProgramTest, CopyAsPutsTheCodeInTheChosenFormOrSaysWhyThereIsNone) {
    ProgramDriver& velmar = StartProgram();
    HWND forms = velmar.Item(IDC_COPY_FORM);
    ASSERT_EQ(::SendMessageA(forms, CB_GETCOUNT, 0, 0), 12);
    EXPECT_EQ(::SendMessageA(forms, CB_GETCURSEL, 0, 0), 0) << "C first";

    ::SendMessageA(forms, CB_SETCURSEL, 2, 0);  // GLSL
    velmar.ClickItem(IDC_COPY);
    EXPECT_TRUE(velmar.WaitUntil([] { return ClipboardText() == "s /* 0x00CC0020 SRCCOPY */"; }))
        << ClipboardText();

    TickResults(velmar, "01000111");
    ASSERT_TRUE(velmar.WaitForText(IDC_HEX, "0xE20746"));
    velmar.ClickItem(IDC_COPY);
    EXPECT_TRUE(velmar.WaitUntil([] {
        return ClipboardText() == "d ^ (s & (p ^ d)) /* 0x00E20746 DSPDxax */";
    })) << ClipboardText();

    ::SendMessageA(forms, CB_SETCURSEL, 6, 0);  // OpenGL
    velmar.ClickItem(IDC_COPY);
    EXPECT_TRUE(velmar.WaitForText(
        IDC_MEANING_STATUS,
        "OpenGL: no logic op for a code that needs both P and S; copy it as GLSL"));
    EXPECT_EQ(ClipboardText(), "d ^ (s & (p ^ d)) /* 0x00E20746 DSPDxax */") << "nothing copied";
}

}  // namespace
