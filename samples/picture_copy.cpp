#include "picture_copy.h"

#include <cstring>
#include <new>

#include "clipboard_scope.h"
#include "global_block.h"
#include "locked_global.h"
#include "picture_fault_text.h"
#include "picture_pixels.h"

namespace {

// The packed DIB: header, colour table, rows. Null when memory runs out.
bool FillDib(GlobalBlock& block, const DibRowsInfo& info, const std::vector<BYTE>& rows) {
    const LockedGlobal locked(block.Get());
    if (!locked.Bytes()) return false;
    std::memcpy(locked.Bytes(), info.Get(), info.Bytes());
    std::memcpy(locked.Bytes() + info.Bytes(), rows.data(), rows.size());
    return true;
}

}  // namespace

CStringW CopyPictureToClipboard(HWND owner, const SamplePicture& picture) {
    try {
        const std::vector<std::uint32_t> pixels = ReadPicturePixels(picture);
        if (pixels.empty()) return picture.Ready() ? kNoMemoryForPicture : kNoPictureToCopy;
        const bool mono = picture.IsMono();
        const DibRowsInfo info(picture.Size(), mono, true);
        const std::vector<BYTE> rows = PackDibRows(pixels, picture.Size(), mono, true);
        GlobalBlock block(info.Bytes() + rows.size());
        if (!FillDib(block, info, rows)) return kNoMemoryForPicture;
        const ClipboardScope clipboard(owner);
        if (!clipboard.IsOpen() || !::EmptyClipboard()) return kClipboardBusy;
        if (!::SetClipboardData(CF_DIB, block.Get()))
            return SystemFaultText("The picture was not copied",
                                   HRESULT_FROM_WIN32(::GetLastError()));
        block.HandedOver();
        return CStringW();
    } catch (const std::bad_alloc&) {
        return kNoMemoryForPicture;
    }
}
