#include "picture_file.h"

#include <wincodec.h>

#include <new>

#include "bgra_pixel.h"
#include "com_apartment.h"
#include "com_ptr.h"
#include "dib_header.h"
#include "photo_orientation.h"
#include "picture_decode.h"
#include "picture_fault_text.h"
#include "picture_frame_choice.h"
#include "picture_placement.h"
#include "picture_signature.h"
#include "upright_picture.h"
#include "wic_guids.h"

namespace {

// No decoder took the file, or the one that did found no picture it knows.
bool IsUnknownFormat(HRESULT result) {
    return result == WINCODEC_ERR_COMPONENTNOTFOUND || result == WINCODEC_ERR_UNKNOWNIMAGEFORMAT ||
           result == WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
}

// A picture of a known format whose pixels the system has no conversion for (16-bit CMYK, say).
bool IsUnconvertible(HRESULT result) {
    return result == WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT ||
           result == WINCODEC_ERR_UNSUPPORTEDOPERATION;
}

bool FileStartsLikeAPicture(LPCWSTR path) {
    const HANDLE file = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::uint8_t head[8] = {};
    DWORD read = 0;
    const BOOL readAny = ::ReadFile(file, head, sizeof head, &read, nullptr);
    ::CloseHandle(file);
    return readAny && StartsLikeAPicture(head, read);
}

// Decoders refuse a damaged file of their format as they refuse a file of none (Wine's say
// "no component" for both), so the file's first bytes tell the two apart. A system error while
// the file is opened is the system's to explain; one while it is read (its end, say) means the
// picture in it is incomplete.
CStringW RefusalFault(LPCWSTR path, HRESULT result, bool opening) {
    if (result == E_OUTOFMEMORY) return kNoMemoryForPicture;
    const bool looksLikeAPicture = FileStartsLikeAPicture(path);
    if (IsUnknownFormat(result) && !looksLikeAPicture) return NotAPictureText(path);
    if (IsUnconvertible(result)) return UnconvertiblePixelsText(path);
    if (opening && HRESULT_FACILITY(result) == FACILITY_WIN32 &&
        result != HRESULT_FROM_WIN32(ERROR_HANDLE_EOF))
        return CannotOpenText(path, result);
    return DamagedPictureText(path);
}

// The file is there and is no folder; the system's word when it is not there or not readable.
CStringW CheckPath(LPCWSTR path) {
    const DWORD attributes = ::GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return CannotOpenText(path, HRESULT_FROM_WIN32(::GetLastError()));
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FolderText(path);
    return CStringW();
}

// The largest side and the most pixels a file may claim before anything of it is decoded.
bool TooLargeToDecode(UINT width, UINT height) {
    return width >= kDibSideLimit || height >= kDibSideLimit ||
           1ull * width * height > kLargestDecodedPixels;
}

CStringW SizeFault(UINT width, UINT height) {
    if (width >= kDibSideLimit || height >= kDibSideLimit) return TooLargeText(width, height);
    return TooManyPixelsText(width, height);
}

PictureReading Decode(IWICImagingFactory* factory, LPCWSTR path,
                      const std::atomic<bool>* abandoned) {
    PictureReading reading;
    ComPtr<IWICBitmapDecoder> decoder;
    HRESULT result = factory->CreateDecoderFromFilename(
        path, nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, decoder.Receive());
    if (FAILED(result)) return {{}, RefusalFault(path, result, true)};
    ChosenFrame chosen;
    if (FAILED(ChooseFrame(decoder.Get(), chosen)) || chosen.width == 0 || chosen.height == 0)
        return {{}, DamagedPictureText(path)};
    if (TooLargeToDecode(chosen.width, chosen.height))
        return {{}, SizeFault(chosen.width, chosen.height)};
    const PicturePlacement fitted =
        PlacePicture(static_cast<int>(chosen.width), static_cast<int>(chosen.height),
                     kLargestReadSide, kLargestReadSide);
    const UINT width = fitted.factor ? chosen.width : static_cast<UINT>(fitted.width);
    const UINT height = fitted.factor ? chosen.height : static_cast<UINT>(fitted.height);
    result = DecodeFrame(factory, chosen.frame.Get(), width, height, reading.picture, abandoned);
    if (result == E_ABORT) return {{}, kReadingAbandoned};
    if (FAILED(result)) return {{}, RefusalFault(path, result, false)};
    TurnUpright(reading.picture, ReadPhotoOrientation(chosen.frame.Get()));
    reading.picture.hasAlpha = !AllOpaque(reading.picture.pixels);
    if (chosen.frameCount > 1 && !chosen.isIcon)
        reading.note = FirstOfFramesText(path, chosen.frameCount);
    return reading;
}

}  // namespace

PictureReading ReadPictureFile(const wchar_t* path, const std::atomic<bool>* abandoned) {
    if (!path || !*path) return {{}, CannotOpenText(L"", HRESULT_FROM_WIN32(ERROR_INVALID_NAME))};
    const CStringW fault = CheckPath(path);
    if (!fault.IsEmpty()) return {{}, fault};
    try {
        const ComApartment com;
        ComPtr<IWICImagingFactory> factory;
        const HRESULT result =
            ::CoCreateInstance(kClsidWicImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                               __uuidof(IWICImagingFactory), factory.ReceiveVoid());
        if (FAILED(result)) return {{}, SystemFaultText("Pictures cannot be opened", result)};
        return Decode(factory.Get(), path, abandoned);
    } catch (const std::bad_alloc&) {
        return {{}, kNoMemoryForPicture};
    }
}
