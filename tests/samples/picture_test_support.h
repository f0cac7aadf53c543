#pragma once

// What the picture tests share: pictures of a known content, their pixels read straight from
// GDI, the clipboard owned by a window of the test, and a folder of files the tests write.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "sample_picture.h"
#include "source_picture.h"

constexpr SIZE kSampleSize = {100, 80};
constexpr COLORREF kBackground = RGB(10, 20, 30);
constexpr std::uint32_t kBackgroundPixel = 0x000A141E;  // the same as 0x00RRGGBB

// Pixels row by row from the top as 0x00RRGGBB, read by GetDIBits; black and white as 0 and
// 0xFFFFFF.
using Pixels = std::vector<std::uint32_t>;
Pixels ReadBitmap(HBITMAP bitmap, SIZE size);
void WriteBitmap(HBITMAP bitmap, SIZE size, const Pixels& pixels);

// A picture as the window keeps one (a sample's default drawing), read and written whole.
struct TestPicture {
    TestPicture(SIZE size, bool mono, int variant = 0);
    Pixels Read() const { return ReadBitmap(picture.Bitmap(), picture.Size()); }
    void Write(const Pixels& pixels);
    SamplePicture picture;
};

// Everything a picture is for undo: pixels, kind, default flag.
struct PictureState {
    explicit PictureState(const SamplePicture& picture);
    bool operator==(const PictureState& other) const;
    Pixels pixels;
    SIZE size;
    bool mono;
    bool isDefault;
};

// A picture of this size whose pixel (x, y) is colour(x, y), 0xAARRGGBB.
SourcePicture MakeSource(int width, int height,
                         const std::function<std::uint32_t(int, int)>& color);
// The luminance rule written out: white where (299 R + 587 G + 114 B) / 1000 >= 128.
std::uint32_t BlackOrWhite(std::uint32_t rgb);
// A colour of its own for each (x, y) in a small picture, opaque.
std::uint32_t DistinctColor(int x, int y);

// A hidden window of this thread, to own the clipboard.
class ClipboardOwner {
public:
    ClipboardOwner();
    ~ClipboardOwner();
    HWND Get() const { return m_window; }
    // Replaces the clipboard's content with these formats, each a block of bytes (a CF_BITMAP
    // entry is an HBITMAP handed over instead). FALSE when the clipboard would not take them.
    bool Put(const std::vector<std::pair<UINT, std::vector<BYTE>>>& blocks) const;
    bool PutBitmap(HBITMAP bitmap) const;
    // The bytes of one format, empty when there is none.
    std::vector<BYTE> Take(UINT format) const;
    // Every format offered, in the order the clipboard lists them.
    std::vector<UINT> Formats() const;

private:
    HWND m_window;
};

// A folder of its own under the temporary folder, removed with everything in it at the end.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    std::wstring Path(const wchar_t* name) const { return m_path + L"\\" + name; }
    void WriteBytes(const wchar_t* name, const std::vector<BYTE>& bytes) const;
    std::vector<BYTE> ReadBytes(const wchar_t* name) const;

private:
    std::wstring m_path;
};
