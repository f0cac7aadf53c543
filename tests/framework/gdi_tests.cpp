#include <gtest/gtest.h>

#include "afxwin.h"

namespace {

TEST(GdiWrappers, ReleaseEveryHandleTheyOwnAndTheMemoryDCGoesFirst) {
    HDC memoryHandle = nullptr;
    HGDIOBJ bitmapHandle = nullptr, brushHandle = nullptr;
    {
        CClientDC screen(nullptr);
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(screen, 8, 8));
        CDC memory;  // declared after the bitmap, so destroyed before it
        ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
        memory.SelectObject(bitmap.GetSafeHandle());
        CBrush brush(RGB(1, 2, 3));
        CSavedDCState saved(memory);
        memory.SelectObject(brush.GetSafeHandle());
        memory.PatBlt(0, 0, 8, 8, PATCOPY);
        memoryHandle = memory.GetSafeHdc();
        bitmapHandle = bitmap.GetSafeHandle();
        brushHandle = brush.GetSafeHandle();
    }
    EXPECT_EQ(::GetObjectType(memoryHandle), 0u);
    EXPECT_EQ(::GetObjectType(bitmapHandle), 0u) << "a bitmap still selected would survive";
    EXPECT_EQ(::GetObjectType(brushHandle), 0u);
}

TEST(GdiWrappers, MovedObjectsAreDeletedOnce) {
    CBrush first(RGB(10, 20, 30));
    HGDIOBJ handle = first.GetSafeHandle();
    CBrush second(std::move(first));
    EXPECT_EQ(first.GetSafeHandle(), nullptr);
    EXPECT_EQ(second.GetSafeHandle(), handle);
    EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_BRUSH));
}

TEST(GdiWrappers, SavedStateUndoesSelectionsAndColours) {
    CClientDC screen(nullptr);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
    const HGDIOBJ defaultBrush = ::GetCurrentObject(memory, OBJ_BRUSH);
    {
        CBrush brush(RGB(255, 0, 0));
        CSavedDCState saved(memory);
        memory.SelectObject(brush.GetSafeHandle());
        memory.SetBkColor(RGB(1, 1, 1));
    }
    EXPECT_EQ(::GetCurrentObject(memory, OBJ_BRUSH), defaultBrush);
    EXPECT_EQ(::GetBkColor(memory), RGB(255, 255, 255));
}

TEST(GdiWrappers, BorrowedContextIsNotDeleted) {
    CClientDC screen(nullptr);
    {
        CDC borrowed = CDC::FromHandle(screen);
        EXPECT_EQ(borrowed.GetSafeHdc(), screen.GetSafeHdc());
    }
    EXPECT_NE(::GetDeviceCaps(screen, BITSPIXEL), 0) << "the screen DC still works";
}

}  // namespace
