#include "clipboard_picture.h"

#include <shellapi.h>

#include <new>
#include <vector>

#include "clipboard_scope.h"
#include "dib_canvas.h"
#include "dib_picture.h"
#include "locked_global.h"
#include "picture_fault_text.h"
#include "picture_file.h"
#include "picture_placement.h"

namespace {

// The first picture format the owner offers (its own come before the system's conversions);
// a bitmap or a file only when no DIB is offered.
UINT OfferedFormat() {
    UINT dib = 0, other = 0;
    for (UINT format = ::EnumClipboardFormats(0); format && !dib;
         format = ::EnumClipboardFormats(format)) {
        if (format == CF_DIBV5 || format == CF_DIB) dib = format;
        if (format == CF_BITMAP || (format == CF_HDROP && other != CF_BITMAP)) other = format;
    }
    return dib ? dib : other;
}

PictureReading ReadDib(UINT format) {
    const LockedGlobal block(::GetClipboardData(format));
    if (!block.Bytes()) return {{}, kClipboardHoldsNoPicture};
    const DibReading reading = ReadDibHeader(block.Bytes(), block.Size());
    if (reading.fault == DibFault::TooLarge)
        return {{},
                TooLargeText(static_cast<unsigned>(reading.layout.width),
                             static_cast<unsigned>(reading.layout.height))};
    if (!reading.Ok()) return {{}, UnreadableClipboardText(reading.reason)};
    return {DibToPicture(block.Bytes(), block.Size(), reading.layout, kLargestReadSide), {}};
}

// A bitmap no larger than kLargestReadSide is read as it is; a larger one is shrunk (HALFTONE).
PictureReading ReadBitmap() {
    const HBITMAP bitmap = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
    BITMAP facts{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof facts, &facts) || facts.bmWidth <= 0 ||
        facts.bmHeight <= 0)
        return {{}, kClipboardHoldsNoPicture};
    if (facts.bmWidth >= kDibSideLimit || facts.bmHeight >= kDibSideLimit)
        return {{},
                TooLargeText(static_cast<unsigned>(facts.bmWidth),
                             static_cast<unsigned>(facts.bmHeight))};
    const PicturePlacement fitted =
        PlacePicture(facts.bmWidth, facts.bmHeight, kLargestReadSide, kLargestReadSide);
    const SIZE size =
        fitted.factor ? SIZE{facts.bmWidth, facts.bmHeight} : SIZE{fitted.width, fitted.height};
    DibCanvas canvas(size);
    CBitmapDC source(bitmap);
    if (!canvas.Ready() || !source.Ready()) return {{}, kNoMemoryForPicture};
    canvas.DC().SetStretchBltMode(fitted.factor ? COLORONCOLOR : HALFTONE);
    ::SetBrushOrgEx(canvas.DC(), 0, 0, nullptr);
    canvas.DC().StretchBlt(0, 0, size.cx, size.cy, &source.Get(), 0, 0, facts.bmWidth,
                           facts.bmHeight, SRCCOPY);
    PictureReading reading;
    reading.picture.width = size.cx;
    reading.picture.height = size.cy;
    reading.picture.pixels = canvas.Copy();
    for (std::uint32_t& pixel : reading.picture.pixels) pixel |= 0xFF000000u;
    return reading;
}

// The first file's path while the clipboard is open; empty when there is none.
std::vector<wchar_t> FirstDroppedFile() {
    const HDROP drop = static_cast<HDROP>(::GetClipboardData(CF_HDROP));
    if (!drop || ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 0) return {};
    const UINT length = ::DragQueryFileW(drop, 0, nullptr, 0);
    std::vector<wchar_t> path(length + 1, L'\0');
    if (length == 0 || ::DragQueryFileW(drop, 0, path.data(), length + 1) != length) return {};
    return path;
}

// A picture put on the clipboard for rendering later is asked of its owner, and the system waits
// for the answer up to 30 seconds; an owner that does not answer a message at once is not asked.
bool OwnerAnswers() {
    const HWND owner = ::GetClipboardOwner();
    DWORD_PTR answer = 0;
    return !owner || ::SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &answer);
}

PictureReading ReadOpenClipboard() {
    if (!OwnerAnswers()) return {{}, kClipboardOwnerHung};
    const UINT format = OfferedFormat();
    if (format == CF_DIBV5 || format == CF_DIB) return ReadDib(format);
    if (format == CF_BITMAP) return ReadBitmap();
    if (format != CF_HDROP) return {{}, kClipboardHoldsNoPicture};
    const std::vector<wchar_t> path = FirstDroppedFile();
    if (path.empty()) return {{}, kClipboardHoldsNoPicture};
    PictureReading named;
    named.fileToRead = CStringW(path.data());
    return named;
}

}  // namespace

PictureReading ReadClipboardPicture(HWND owner) {
    try {
        ClipboardScope clipboard(owner);
        if (!clipboard.IsOpen()) return {{}, kClipboardBusy};
        return ReadOpenClipboard();
    } catch (const std::bad_alloc&) {
        return {{}, kNoMemoryForPicture};
    }
}
