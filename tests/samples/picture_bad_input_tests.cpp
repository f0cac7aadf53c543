#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <thread>

#include "clipboard_picture.h"
#include "picture_file.h"
#include "picture_fit.h"
#include "picture_test_encoder.h"
#include "picture_test_support.h"
#include "system_error_text.h"
#include "tiff_bytes.h"

namespace {

// As the window opens or pastes: read (a file the clipboard names, too), and fit only a picture
// that was read.
CStringW OpenInto(const PictureReading& reading, SamplePicture& picture) {
    if (reading.Pending()) return OpenInto(ReadPictureFile(reading.fileToRead), picture);
    if (reading.Ok()) FitPicture(reading.picture, picture, kBackground);
    return reading.fault;
}

std::vector<BYTE> BmpClaiming(std::int32_t width, std::int32_t height) {
    std::vector<BYTE> file = {'B', 'M'};
    auto put32 = [&](std::uint32_t v) {
        for (int s = 0; s < 32; s += 8) file.push_back(static_cast<BYTE>(v >> s));
    };
    put32(62 + 64), put32(0), put32(62);  // file size, reserved, bits offset
    put32(40), put32(static_cast<std::uint32_t>(width)), put32(static_cast<std::uint32_t>(height));
    file.insert(file.end(), {1, 0, 1, 0});  // 1 plane, 1 bit
    for (int i = 0; i < 6; ++i) put32(0);
    put32(0), put32(0xFFFFFF);            // black, white
    file.resize(file.size() + 64, 0xAA);  // a few rows of billions
    return file;
}

std::vector<BYTE> Png(const TestFolder& folder) {
    WritePictureFile(folder.Path(L"good.png"), TestFileFormat::Png,
                     MakeSource(20, 20, DistinctColor));
    return folder.ReadBytes(L"good.png");
}

CStringW SystemText(DWORD error) {
    CString text;
    GetSystemErrorText(error, text);
    return CStringW(text);
}

CStringW Joined(CStringW text, const CStringW& more) { return text += more; }

// Every bad file says what is wrong in words and leaves the picture as it was.
TEST(PictureBadInput, BadFilesAreNamedAndChangeNothing) {
    const TestFolder folder;
    const std::vector<BYTE> png = Png(folder);
    std::vector<BYTE> damaged = png;
    for (size_t i = png.size() / 2; i < png.size() - 12; ++i) damaged[i] ^= 0x5A;
    folder.WriteBytes(L"sprite.txt", {'h', 'e', 'l', 'l', 'o'});
    // A name no 8-bit code page holds whole: Japanese and Greek.
    folder.WriteBytes(L"\u30B9\u30D7\u30E9\u03B1.txt", {'h', 'e', 'l', 'l', 'o'});
    folder.WriteBytes(L"empty.png", {});
    folder.WriteBytes(L"broken.png", damaged);
    folder.WriteBytes(L"cut.png", std::vector<BYTE>(png.begin(), png.begin() + png.size() / 2));
    folder.WriteBytes(L"huge.bmp", BmpClaiming(30000, 30000));
    folder.WriteBytes(L"tall.bmp", BmpClaiming(1, -40000));
    folder.WriteBytes(L"bomb.bmp", BmpClaiming(20000, 20000));  // 400 megapixels in 126 bytes
    folder.WriteBytes(L"scan.tif", TiffBytes(2, 2, TiffPixels::Cmyk16));
    ::CreateDirectoryW(folder.Path(L"sprites").c_str(), nullptr);
    struct Case {
        const wchar_t* name;
        CStringW fault;
    };
    const Case cases[] = {
        {L"sprite.txt", "Not a picture Velmar can read: sprite.txt"},
        {L"\u30B9\u30D7\u30E9\u03B1.txt",
         L"Not a picture Velmar can read: \u30B9\u30D7\u30E9\u03B1.txt"},
        {L"empty.png", "Not a picture Velmar can read: empty.png"},
        {L"broken.png", "The picture is damaged or incomplete: broken.png"},
        {L"cut.png", "The picture is damaged or incomplete: cut.png"},
        {L"huge.bmp", "The picture is too large to open: 30000 x 30000 pixels."},
        {L"tall.bmp", "The picture is too large to open: 1 x 40000 pixels."},
        {L"bomb.bmp",
         "The picture is too large to open: 20000 x 20000 pixels, more than 100 megapixels."},
        {L"scan.tif", "The picture's pixel format cannot be converted: scan.tif"},
        {L"sprites", "A folder, not a picture: sprites"},
        {L"gone.png", Joined("Cannot open gone.png: ", SystemText(ERROR_FILE_NOT_FOUND))},
    };
    TestPicture target(kSampleSize, false);
    const PictureState before(target.picture);
    for (const Case& c : cases) {
        EXPECT_EQ(OpenInto(ReadPictureFile(folder.Path(c.name).c_str()), target.picture), c.fault);
        EXPECT_TRUE(PictureState(target.picture) == before) << c.fault;
    }
}

std::vector<BYTE> DropFiles(const std::wstring& path) {
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::vector<BYTE> block(sizeof header);
    std::memcpy(block.data(), &header, sizeof header);
    const BYTE* text = reinterpret_cast<const BYTE*>(path.c_str());
    block.insert(block.end(), text, text + (path.size() + 1) * sizeof(wchar_t));
    block.insert(block.end(), {0, 0});  // the list's end
    return block;
}

std::vector<BYTE> InfoHeader(std::int32_t width, std::int32_t height, WORD bits, DWORD compression,
                             size_t rowBytes) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = bits;
    header.biCompression = compression;
    std::vector<BYTE> block(sizeof header + rowBytes, 0);
    std::memcpy(block.data(), &header, sizeof header);
    return block;
}

// Another program holds the clipboard open until the test lets it go.
class ClipboardHolder {
public:
    ClipboardHolder()
        : m_thread([this] {
              m_open = ::OpenClipboard(nullptr) != FALSE;
              ::SetEvent(m_held);
              ::WaitForSingleObject(m_release, 10000);
              if (m_open) ::CloseClipboard();
          }) {
        ::WaitForSingleObject(m_held, 5000);
    }
    ~ClipboardHolder() {
        ::SetEvent(m_release);
        m_thread.join();
        ::CloseHandle(m_held);
        ::CloseHandle(m_release);
    }
    bool Open() const { return m_open; }

private:
    HANDLE m_held = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE m_release = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool m_open = false;
    std::thread m_thread;
};

TEST(PictureBadInput, BadClipboardsAreNamedAndChangeNothing) {
    const ClipboardOwner owner;
    const TestFolder folder;
    folder.WriteBytes(L"sprite.txt", {'h', 'i'});
    struct Case {
        const char* name;
        std::vector<std::pair<UINT, std::vector<BYTE>>> blocks;
        CStringW fault;
    };
    const Case cases[] = {
        {"empty", {}, "The clipboard holds no picture."},
        {"text", {{CF_TEXT, {'h', 'i', 0}}}, "The clipboard holds no picture."},
        {"rows missing",
         {{CF_DIB, InfoHeader(10, 10, 24, BI_RGB, 5 * 32)}},
         "The clipboard's picture cannot be read: a block that ends before its last row."},
        {"a header of 41 bytes",
         {{CF_DIB,
           [] {
               auto b = InfoHeader(1, 1, 24, BI_RGB, 8);
               b[0] = 41;
               return b;
           }()}},
         "The clipboard's picture cannot be read: a header size that no bitmap has."},
        {"run-length",
         {{CF_DIB, InfoHeader(4, 4, 8, BI_RLE8, 1100)}},
         "The clipboard's picture cannot be read: run-length compressed bitmaps are not read."},
        {"30000 x 30000",
         {{CF_DIB, InfoHeader(30000, 30000, 1, BI_RGB, 64)}},
         "The picture is too large to open: 30000 x 30000 pixels."},
        {"30000 x 30000, V5",
         {{CF_DIBV5,
           [] {
               auto b = InfoHeader(30000, -30000, 32, BI_RGB, 200);
               b[0] = 124;
               return b;
           }()}},
         "The picture is too large to open: 30000 x 30000 pixels."},
        {"a text file dropped",
         {{CF_HDROP, DropFiles(folder.Path(L"sprite.txt"))}},
         "Not a picture Velmar can read: sprite.txt"},
        {"a file that vanished",
         {{CF_HDROP, DropFiles(folder.Path(L"gone.png"))}},
         Joined("Cannot open gone.png: ", SystemText(ERROR_FILE_NOT_FOUND))},
        {"no file dropped", {{CF_HDROP, DropFiles(L"")}}, "The clipboard holds no picture."},
    };
    TestPicture target(kSampleSize, true);
    const PictureState before(target.picture);
    for (const Case& c : cases) {
        ASSERT_TRUE(owner.Put(c.blocks)) << c.name;
        EXPECT_EQ(OpenInto(ReadClipboardPicture(owner.Get()), target.picture), c.fault) << c.name;
        EXPECT_TRUE(PictureState(target.picture) == before) << c.name;
    }

    const ClipboardHolder holder;
    ASSERT_TRUE(holder.Open());
    const DWORD start = ::GetTickCount();
    EXPECT_EQ(OpenInto(ReadClipboardPicture(owner.Get()), target.picture),
              CStringW("The clipboard is busy; try again."));
    EXPECT_GE(::GetTickCount() - start, 900u) << "a busy clipboard is waited for";
    EXPECT_TRUE(PictureState(target.picture) == before);
}

}  // namespace
