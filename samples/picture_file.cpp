#include "picture_file.h"

#include <wincodec.h>

#include <new>

#include "bgra_pixel.h"
#include "com_apartment.h"
#include "com_ptr.h"
#include "dib_header.h"
#include "picture_fault_text.h"
#include "picture_placement.h"
#include "picture_signature.h"
#include "wic_guids.h"

namespace {

// No decoder took the file, or the one that did found no picture it knows.
bool IsUnknownFormat(HRESULT result) {
    return result == WINCODEC_ERR_COMPONENTNOTFOUND || result == WINCODEC_ERR_UNKNOWNIMAGEFORMAT ||
           result == WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
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
    if (IsUnknownFormat(result) && !FileStartsLikeAPicture(path)) return NotAPictureText(path);
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

// The frame as 32-bit BGRA, scaled by WIC to at most kLargestReadSide a side.
HRESULT DecodeFrame(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, UINT width,
                    UINT height, SourcePicture& picture) {
    ComPtr<IWICFormatConverter> converter;
    HRESULT result = factory->CreateFormatConverter(converter.Receive());
    if (SUCCEEDED(result))
        result = converter->Initialize(frame, kWicPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                       nullptr, 0.0, WICBitmapPaletteTypeCustom);
    if (FAILED(result)) return result;
    IWICBitmapSource* source = converter.Get();
    const PicturePlacement fitted = PlacePicture(static_cast<int>(width), static_cast<int>(height),
                                                 kLargestReadSide, kLargestReadSide);
    ComPtr<IWICBitmapScaler> scaler;
    if (fitted.factor == 0) {
        result = factory->CreateBitmapScaler(scaler.Receive());
        if (SUCCEEDED(result))
            result = scaler->Initialize(source, static_cast<UINT>(fitted.width),
                                        static_cast<UINT>(fitted.height),
                                        WICBitmapInterpolationModeFant);
        if (FAILED(result)) return result;
        source = scaler.Get();
        width = static_cast<UINT>(fitted.width);
        height = static_cast<UINT>(fitted.height);
    }
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.pixels.resize(static_cast<size_t>(width) * height);
    return source->CopyPixels(nullptr, width * 4, static_cast<UINT>(picture.pixels.size() * 4),
                              reinterpret_cast<BYTE*>(picture.pixels.data()));
}

PictureReading Decode(IWICImagingFactory* factory, LPCWSTR path) {
    PictureReading reading;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    HRESULT result = factory->CreateDecoderFromFilename(
        path, nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, decoder.Receive());
    if (FAILED(result)) return {{}, RefusalFault(path, result, true)};
    UINT width = 0, height = 0;
    if (FAILED(decoder->GetFrame(0, frame.Receive())) || FAILED(frame->GetSize(&width, &height)) ||
        width == 0 || height == 0)
        return {{}, DamagedPictureText(path)};
    if (width >= kDibSideLimit || height >= kDibSideLimit) return {{}, TooLargeText(width, height)};
    result = DecodeFrame(factory, frame.Get(), width, height, reading.picture);
    if (FAILED(result)) return {{}, RefusalFault(path, result, false)};
    reading.picture.hasAlpha = !AllOpaque(reading.picture.pixels);
    return reading;
}

}  // namespace

PictureReading ReadPictureFile(const wchar_t* path) {
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
        return Decode(factory.Get(), path);
    } catch (const std::bad_alloc&) {
        return {{}, kNoMemoryForPicture};
    }
}
