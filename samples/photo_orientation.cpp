#include "photo_orientation.h"

#include "com_ptr.h"

namespace {

// Where the orientation is kept: the system's name for it, then the tag itself (274) in a JPEG's
// EXIF block and in a TIFF's first directory, for readers that know only the paths.
constexpr LPCWSTR kOrientationNames[] = {L"System.Photo.Orientation", L"/app1/ifd/{ushort=274}",
                                         L"/ifd/{ushort=274}"};

}  // namespace

int ReadPhotoOrientation(IWICBitmapFrameDecode* frame) {
    ComPtr<IWICMetadataQueryReader> metadata;
    if (FAILED(frame->GetMetadataQueryReader(metadata.Receive())) || !metadata.Get()) return 1;
    for (LPCWSTR name : kOrientationNames) {
        PROPVARIANT value;
        ::PropVariantInit(&value);
        const HRESULT result = metadata->GetMetadataByName(name, &value);
        const int orientation = SUCCEEDED(result) && value.vt == VT_UI2 ? value.uiVal : 0;
        ::PropVariantClear(&value);
        if (orientation >= 1 && orientation <= 8) return orientation;
    }
    return 1;
}
