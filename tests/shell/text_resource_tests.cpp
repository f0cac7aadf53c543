#include <gtest/gtest.h>

#include <string>

#include "text_resource.h"

namespace {

struct RawResource {
    const char* data = nullptr;
    DWORD size = 0;
};

RawResource Raw(LPCSTR name, LPCSTR type) {
    const HMODULE module = AfxGetResourceHandle();
    const HRSRC found = ::FindResourceA(module, name, type);
    if (!found) return {};
    return {static_cast<const char*>(::LockResource(::LoadResource(module, found))),
            ::SizeofResource(module, found)};
}

std::string Load(LPCSTR name, LPCSTR type = "TXT") {
    CString text = "stale";
    EXPECT_TRUE(LoadTextResource(name, type, text)) << name;
    return text.GetString();
}

TEST(TextResource, ReadsUpToTheFirstZeroAndDropsOneTrailing0x02) {
    EXPECT_EQ(Load("ZERO_INSIDE"), "ab");
    EXPECT_EQ(Load("ENDS_IN_02"), "abc");
    EXPECT_EQ(Load("ENDS_IN_TWO_02"), "abc\x02") << "only one is dropped";
    EXPECT_EQ(Load("ONLY_02"), "");
    EXPECT_EQ(Load("FIRST_BYTE_ZERO"), "") << "an empty text, still read";
    EXPECT_EQ(Load(MAKEINTRESOURCEA(42), MAKEINTRESOURCEA(43)), "numbered");
}

TEST(TextResource, NeverReadsPastTheRecordedSize) {
    const RawResource raw = Raw("NO_ZERO", "TXT");
    ASSERT_EQ(raw.size, 8u);
    // What follows the text in the program's image is not a zero: a reader that looked for one
    // would run on into it.
    ASSERT_NE(raw.data[raw.size], '\0');
    EXPECT_EQ(Load("NO_ZERO"), "ABCDEFGH");
}

TEST(TextResource, MissingResourceGivesFalseAndAnEmptyText) {
    CString text = "stale";
    EXPECT_FALSE(LoadTextResource("NO_SUCH_TEXT", "TXT", text));
    EXPECT_STREQ(text, "");
    text = "stale";
    EXPECT_FALSE(LoadTextResource("HELP", "NO_SUCH_TYPE", text));
    EXPECT_STREQ(text, "");
}

TEST(TextResource, SetWindowTextFromResourceSetsTheTextOrRaisesOutOfMemory) {
    HWND edit = ::CreateWindowExA(0, "EDIT", "before", WS_POPUP | ES_MULTILINE, 0, 0, 100, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    CWnd* window = CWnd::FromHandle(edit);
    SetWindowTextFromResource(window, "ENDS_IN_02", "TXT");
    EXPECT_EQ(std::string(window->GetWindowText()), "abc");
    EXPECT_THROW(SetWindowTextFromResource(window, "NO_SUCH_TEXT", "TXT"), CMemoryException);
    EXPECT_EQ(std::string(window->GetWindowText()), "abc");
    ::DestroyWindow(edit);
}

TEST(HelpText, IsPlainAsciiWithCrLfLinesAndItsSectionsInOrder) {
    const RawResource raw = Raw("HELP", "TXT");
    ASSERT_NE(raw.data, nullptr);
    const std::string stored(raw.data, raw.size);
    EXPECT_EQ(Load("HELP"), stored) << "no zero byte inside, no 0x02 at the end";
    EXPECT_EQ(raw.data[raw.size], '\0') << "a zero byte follows the text";
    EXPECT_GT(stored.size(), 2200u);
    EXPECT_LT(stored.size(), 8000u);

    for (size_t i = 0; i < stored.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(stored[i]);
        ASSERT_TRUE((c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n') << "byte " << i;
        if (c == '\n') {
            ASSERT_TRUE(i > 0 && stored[i - 1] == '\r') << "bare line feed at " << i;
        }
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < stored.size() && stored[i + 1] == '\n') << "bare return at " << i;
        }
    }
    EXPECT_EQ(stored.find("Velmar"), std::string::npos) << "the text names no product";

    size_t position = 0;
    for (const char* heading :
         {"INTRODUCTION", "COMMANDS", "SETTINGS", "KEYBOARD", "TIPS", "USAGE", "EXAMPLES"}) {
        const size_t found = stored.find(std::string(heading) + "\r\n\r\n", position);
        ASSERT_NE(found, std::string::npos) << heading;
        EXPECT_TRUE(found == 0 || stored.compare(found - 4, 4, "\r\n\r\n") == 0) << heading;
        position = found;
    }
    EXPECT_NE(stored.find("0,1,0,0,0,1,1,1"), std::string::npos);
    EXPECT_NE(stored.find("0xE20746"), std::string::npos);
    EXPECT_NE(stored.find("create an empty velmar.ini beside velmar.exe"), std::string::npos);
}

}  // namespace
