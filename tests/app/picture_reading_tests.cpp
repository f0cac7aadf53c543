#include <gtest/gtest.h>
#include <string>

#include "dropped_files.h"
#include "picture_test_encoder.h"
#include "program_fixture.h"
#include "resource.h"

namespace {

bool PutFileOnClipboard(const std::wstring& path) {
    HGLOBAL block = DropOf(path);
    if (!block || !::OpenClipboard(nullptr)) return ::GlobalFree(block), false;
    ::EmptyClipboard();
    const bool put = ::SetClipboardData(CF_HDROP, block) != nullptr;
    ::CloseClipboard();
    if (!put) ::GlobalFree(block);
    return put;
}

bool Answers(HWND window) {
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &answer) != 0;
}

// A picture of 100 megapixels takes its reader most of a second here: the window answers meanwhile
// (a reading on the window's own thread would keep even its status line from answering), and
// closed while a picture is read, the program ends at once, cleanly.
TEST_F(ProgramTest, ALargePictureIsReadWhileTheWindowAnswersAndClosingEndsTheReading) {
    wchar_t folder[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"velmar-large.png";
    ASSERT_EQ(WriteLargePng(path, 10000, 10000), S_OK);
    ASSERT_TRUE(PutFileOnClipboard(path));
    const std::string reading = "Reading velmar-large.png...";
    auto startReading = [&]() -> ProgramDriver& {
        ProgramDriver& velmar = StartProgram();
        EXPECT_TRUE(velmar.FocusItem(IDC_PICTURE1));
        velmar.PostChar(velmar.Item(IDC_PICTURE1), 0x16);  // Ctrl+V
        EXPECT_TRUE(velmar.WaitForText(IDC_SAMPLES_STATUS, reading));
        return velmar;
    };
    bool answeredWhileReading = false;
    for (int attempt = 0; attempt < 5 && !answeredWhileReading; ++attempt) {
        ProgramDriver& velmar = startReading();
        EXPECT_TRUE(Answers(velmar.MainWindow())) << "within 100 ms while the picture is read";
        answeredWhileReading = velmar.Text(IDC_SAMPLES_STATUS) == reading;
        EXPECT_TRUE(velmar.WaitForText(IDC_SAMPLES_STATUS, "")) << "then it is taken in";
        velmar.PostKey(velmar.Item(IDC_PICTURE1), VK_ESCAPE);
        EXPECT_EQ(velmar.WaitForExit(), 0);
    }
    EXPECT_TRUE(answeredWhileReading) << "the reading always ended before the window was asked";

    ProgramDriver& closed = startReading();
    closed.PostKey(closed.Item(IDC_PICTURE1), VK_ESCAPE);
    EXPECT_EQ(closed.WaitForExit(), 0) << "closed while it reads, the program ends cleanly";
    ::DeleteFileW(path.c_str());
}

}  // namespace
