#include <gtest/gtest.h>

#include <vector>

#include "picture_file_reader.h"
#include "picture_test_encoder.h"
#include "picture_test_support.h"

namespace {

constexpr UINT kReadMessage = WM_APP + 7;

// The wParams of the reader's messages that have come, waiting up to `milliseconds` for `awaited`
// (0: only what is queued now).
std::vector<WPARAM> ReadMessages(HWND window, WPARAM awaited, DWORD milliseconds) {
    std::vector<WPARAM> seen;
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG message;
        while (::PeekMessageW(&message, window, kReadMessage, kReadMessage, PM_REMOVE))
            seen.push_back(message.wParam);
        for (const WPARAM got : seen)
            if (got == awaited) return seen;
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed > milliseconds) return seen;
        // Woken by the reader's post, or at the deadline.
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_POSTMESSAGE);
    }
}

// Readings on threads of their own: only the last one started is taken, with its message; an
// abandoned one never posts; a reader that goes while it reads waits for its threads.
TEST(PictureFileReader, GivesTheLastReadingStartedAndWaitsForItsThreads) {
    const TestFolder folder;
    const std::wstring large = folder.Path(L"large.png"), small = folder.Path(L"small.png");
    ASSERT_EQ(WriteLargePng(large, 6000, 6000), S_OK);
    ASSERT_EQ(WritePictureFile(small, TestFileFormat::Png,
                               MakeSource(5, 4, [](int, int) { return 0xFFFF0000u; })),
              S_OK);
    const HWND window =
        ::CreateWindowW(L"Static", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    {
        PictureFileReader reader;
        EXPECT_FALSE(reader.TakeFinished()) << "nothing started";
        ASSERT_TRUE(reader.Start(large.c_str(), {window, kReadMessage, 1, 0}));
        ASSERT_TRUE(reader.Start(small.c_str(), {window, kReadMessage, 2, 0}));
        EXPECT_TRUE(reader.Busy());
        EXPECT_EQ(ReadMessages(window, 2, 20000), std::vector<WPARAM>{2});
        const std::optional<PictureReading> reading = reader.TakeFinished();
        ASSERT_TRUE(reading && reading->Ok());
        EXPECT_EQ(reading->picture.width, 5);
        EXPECT_FALSE(reader.Busy());
        EXPECT_FALSE(reader.TakeFinished()) << "taken once";
        ASSERT_TRUE(reader.Start(large.c_str(), {window, kReadMessage, 3, 0}));
    }  // gone while it reads
    EXPECT_EQ(ReadMessages(window, 0, 0), std::vector<WPARAM>{})
        << "neither abandoned reading has posted";
    ::DestroyWindow(window);
}

}  // namespace
