#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "clipboard_picture.h"
#include "picture_copy.h"
#include "picture_fault_text.h"
#include "picture_fit.h"
#include "picture_test_support.h"

namespace {

std::uint32_t Stripes(int x, int y) { return (x / 3 + y / 2) % 2 ? 0xFFFFFFFFu : 0xFF000000u; }

// A user's picture: distinct colours, or stripes in black and white.
TestPicture UserPicture(bool mono) {
    TestPicture picture(kSampleSize, mono);
    const SourcePicture source = MakeSource(100, 80, mono ? Stripes : DistinctColor);
    Pixels pixels;
    for (const std::uint32_t pixel : source.pixels) pixels.push_back(pixel & 0xFFFFFF);
    picture.Write(pixels);
    picture.picture.MarkChanged();
    return picture;
}

std::uint32_t Read32(const std::vector<BYTE>& bytes, size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, &bytes[at], 4);
    return value;
}

// What a paint program gets: CF_DIB of the sample's size, bottom-up, 32-bit with no alpha or
// 1-bit with a black and a white entry; and pasted back, the same pixels, in either kind.
TEST(PictureClipboard, CopyThenPasteGivesTheSamePixelsInColourAndBlackAndWhite) {
    const ClipboardOwner owner;
    for (const bool mono : {false, true}) {
        SCOPED_TRACE(mono ? "black and white" : "colour");
        TestPicture original = UserPicture(mono);
        ASSERT_EQ(CopyPictureToClipboard(owner.Get(), original.picture), CStringW());

        const std::vector<BYTE> dib = owner.Take(CF_DIB);
        ASSERT_GE(dib.size(), sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER header;
        std::memcpy(&header, dib.data(), sizeof header);
        EXPECT_EQ(header.biWidth, 100);
        EXPECT_EQ(header.biHeight, 80) << "bottom-up, as every program reads it";
        EXPECT_EQ(header.biBitCount, mono ? 1 : 32);
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
        if (mono) {
            EXPECT_EQ(Read32(dib, 40), 0x000000u);
            EXPECT_EQ(Read32(dib, 44), 0xFFFFFFu);
        } else {
            bool fourthBytesZero = true;
            for (size_t at = 40 + 3; at < 40 + 100 * 80 * 4; at += 4) fourthBytesZero &= !dib[at];
            EXPECT_TRUE(fourthBytesZero) << "no alpha for the shell to see";
        }

        const PictureReading pasted = ReadClipboardPicture(owner.Get());
        ASSERT_TRUE(pasted.Ok()) << pasted.fault;
        EXPECT_FALSE(pasted.picture.hasAlpha);
        TestPicture same(kSampleSize, mono), other(kSampleSize, !mono);
        ASSERT_TRUE(FitPicture(pasted.picture, same.picture, kBackground));
        ASSERT_TRUE(FitPicture(pasted.picture, other.picture, kBackground));
        EXPECT_EQ(same.Read(), original.Read());
        Pixels otherKind = original.Read();
        for (std::uint32_t& pixel : otherKind) pixel = BlackOrWhite(pixel);
        EXPECT_EQ(other.Read(), otherKind) << "pasted into the other kind";
    }
}

std::vector<BYTE> V5Block(int width, int height, const std::vector<std::uint32_t>& pixels) {
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = width;
    header.bV5Height = -height;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0xFF0000;
    header.bV5GreenMask = 0xFF00;
    header.bV5BlueMask = 0xFF;
    header.bV5AlphaMask = 0xFF000000;
    std::vector<BYTE> block(sizeof header + pixels.size() * 4);
    std::memcpy(block.data(), &header, sizeof header);
    std::memcpy(block.data() + sizeof header, pixels.data(), pixels.size() * 4);
    return block;
}

std::vector<BYTE> InfoBlock(int width, int height, std::uint32_t color) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    std::vector<BYTE> block(sizeof header);
    std::memcpy(block.data(), &header, sizeof header);
    for (int i = 0; i < width * height; ++i)
        block.insert(block.end(), {BYTE(color), BYTE(color >> 8), BYTE(color >> 16), 0});
    return block;
}

// The format the owner offers first is taken: its own come before the system's conversions.
TEST(PictureClipboard, PastesAnotherProgramsDibV5DibOrBitmap) {
    const ClipboardOwner owner;
    const std::vector<std::uint32_t> premultiplied = {0x80800000, 0xFF00FF00};  // browsers'
    struct Case {
        const char* name;
        std::vector<std::pair<UINT, std::vector<BYTE>>> blocks;
        std::uint32_t first, second;  // the two pixels, composed over blue
    };
    const Case cases[] = {
        {"CF_DIBV5 with alpha", {{CF_DIBV5, V5Block(2, 1, premultiplied)}}, 0x80007F, 0x00FF00},
        {"CF_DIBV5 offered first",
         {{CF_DIBV5, V5Block(2, 1, premultiplied)}, {CF_DIB, InfoBlock(2, 1, 0x123456)}},
         0x80007F,
         0x00FF00},
        {"CF_DIB offered first",
         {{CF_DIB, InfoBlock(2, 1, 0x123456)}, {CF_DIBV5, V5Block(2, 1, premultiplied)}},
         0x123456,
         0x123456},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(owner.Put(c.blocks));
        const PictureReading pasted = ReadClipboardPicture(owner.Get());
        ASSERT_TRUE(pasted.Ok()) << pasted.fault;
        TestPicture target(kSampleSize, false);
        ASSERT_TRUE(FitPicture(pasted.picture, target.picture, RGB(0, 0, 255)));
        const Pixels pixels = target.Read();  // 2 x 1 enlarged 50 times, at (0, 15)
        EXPECT_EQ(pixels[15 * 100 + 0], c.first);
        EXPECT_EQ(pixels[15 * 100 + 99], c.second);
    }

    TestPicture drawn = UserPicture(false);
    CBitmap bitmap;
    {
        HDC screen = ::GetDC(nullptr);
        bitmap.Attach(::CreateCompatibleBitmap(screen, 100, 80));
        ::ReleaseDC(nullptr, screen);
    }
    WriteBitmap(bitmap, kSampleSize, drawn.Read());
    ASSERT_TRUE(owner.PutBitmap(static_cast<HBITMAP>(bitmap.Detach())));
    const PictureReading pasted = ReadClipboardPicture(owner.Get());
    ASSERT_TRUE(pasted.Ok()) << pasted.fault;
    TestPicture target(kSampleSize, false);
    ASSERT_TRUE(FitPicture(pasted.picture, target.picture, kBackground));
    EXPECT_EQ(target.Read(), drawn.Read()) << "CF_BITMAP";
}

// An owner that promised a picture and stopped answering: Paste says so at once, rather than
// waiting the half minute the system would for the picture.
TEST(PictureClipboard, AnOwnerThatDoesNotAnswerIsNamedAndNotWaitedFor) {
    struct HungOwner {
        HANDLE promised = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        HANDLE released = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        static DWORD WINAPI Run(void* self) {
            auto& owner = *static_cast<HungOwner*>(self);
            const HWND window = ::CreateWindowW(L"Static", L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                                nullptr, nullptr, nullptr);
            if (window && ::OpenClipboard(window)) {
                ::EmptyClipboard();
                ::SetClipboardData(CF_DIB, nullptr);  // to be rendered when asked for
                ::CloseClipboard();
            }
            ::SetEvent(owner.promised);
            ::WaitForSingleObject(owner.released, 20000);  // no message answered meanwhile
            ::DestroyWindow(window);
            return 0;
        }
    } hung;
    const HANDLE thread = ::CreateThread(nullptr, 0, &HungOwner::Run, &hung, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(::WaitForSingleObject(hung.promised, 10000), WAIT_OBJECT_0);
    const ClipboardOwner pasting;
    const PictureReading pasted = ReadClipboardPicture(pasting.Get());
    EXPECT_TRUE(pasted.fault == CStringW(kClipboardOwnerHung));
    ::SetEvent(hung.released);
    ::WaitForSingleObject(thread, 10000);
    for (const HANDLE handle : {thread, hung.promised, hung.released}) ::CloseHandle(handle);
}

}  // namespace
