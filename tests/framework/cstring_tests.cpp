#include <gtest/gtest.h>

#include <string>

#include "afxwin.h"

namespace {

std::string Text(const CString& text) { return text.GetString(); }

TEST(Texts, JoinedTextsAndDigitsPutIntoAPattern) {
    EXPECT_EQ(Text(AfxJoinText({"Cannot open ", "sprite.png", ": ", "Access is denied."})),
              "Cannot open sprite.png: Access is denied.");
    EXPECT_EQ(Text(AfxJoinText({"A", nullptr, "", "B"})), "AB") << "null and empty add nothing";
    EXPECT_EQ(Text(AfxJoinText({})), "");

    EXPECT_EQ(Text(AfxFillDigits("Row #: P #, S #, D #, result #", {8, 1, 1, 1, 0})),
              "Row 8: P 1, S 1, D 1, result 0");
    EXPECT_EQ(Text(AfxFillDigits("#-#", {0, 9, 5})), "0-9") << "digits beyond the marks are left";
    EXPECT_EQ(Text(AfxFillDigits("# and #", {3})), "3 and #") << "marks beyond the digits stay";
}

TEST(Texts, Utf16TextsKeepTheirZeroAsTheyGrow) {
    CStringW text(L"\x682A\x5F0F", 1);
    EXPECT_EQ(text.GetLength(), 1);
    EXPECT_STREQ(text, L"\x682A");
    text += CStringW(L" Tovera");
    EXPECT_STREQ(text, L"\x682A Tovera");
    text += text;
    EXPECT_STREQ(text, L"\x682A Tovera\x682A Tovera") << "a text added to itself";
    text += CStringW();
    EXPECT_EQ(text.GetLength(), 16);
    EXPECT_STREQ(CStringW(nullptr, 5), L"");
    EXPECT_STREQ(CStringW(L"abc", -1), L"");
    EXPECT_EQ(CStringW(), CStringW(L""));
}

}  // namespace
