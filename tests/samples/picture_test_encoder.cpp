#include "picture_test_encoder.h"

#include <initguid.h>  // the WIC GUIDs defined here, for the tests only
#include <wincodec.h>

#include <algorithm>
#include <vector>

#include "com_apartment.h"
#include "com_ptr.h"

namespace {

GUID Container(TestFileFormat format) {
    switch (format) {
        case TestFileFormat::Bmp:
            return GUID_ContainerFormatBmp;
        case TestFileFormat::Png:
            return GUID_ContainerFormatPng;
        case TestFileFormat::Gif:
            return GUID_ContainerFormatGif;
        case TestFileFormat::Jpeg:
            break;
    }
    return GUID_ContainerFormatJpeg;
}

// The picture's own colours as a GIF palette, and the picture converted to indexes in it.
HRESULT IndexedSource(IWICImagingFactory* factory, IWICBitmapSource* bitmap,
                      const SourcePicture& picture, IWICBitmapFrameEncode* frame,
                      ComPtr<IWICFormatConverter>& converter) {
    std::vector<WICColor> colors(picture.pixels.begin(), picture.pixels.end());
    std::sort(colors.begin(), colors.end());
    colors.erase(std::unique(colors.begin(), colors.end()), colors.end());
    ComPtr<IWICPalette> palette;
    HRESULT result = factory->CreatePalette(palette.Receive());
    if (SUCCEEDED(result))
        result = palette->InitializeCustom(colors.data(), static_cast<UINT>(colors.size()));
    if (SUCCEEDED(result)) result = frame->SetPalette(palette.Get());
    if (SUCCEEDED(result)) result = factory->CreateFormatConverter(converter.Receive());
    if (SUCCEEDED(result))
        result =
            converter->Initialize(bitmap, GUID_WICPixelFormat8bppIndexed, WICBitmapDitherTypeNone,
                                  palette.Get(), 0.0, WICBitmapPaletteTypeCustom);
    return result;
}

HRESULT WriteFrame(IWICImagingFactory* factory, IWICBitmapEncoder* encoder, TestFileFormat format,
                   const SourcePicture& picture) {
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    ComPtr<IWICBitmap> bitmap;
    ComPtr<IWICFormatConverter> indexed;
    const UINT width = static_cast<UINT>(picture.width), height = static_cast<UINT>(picture.height);
    HRESULT result = encoder->CreateNewFrame(frame.Receive(), options.Receive());
    if (SUCCEEDED(result)) result = frame->Initialize(options.Get());
    if (SUCCEEDED(result)) result = frame->SetSize(width, height);
    WICPixelFormatGUID pixelFormat = format == TestFileFormat::Png ? GUID_WICPixelFormat32bppBGRA
                                     : format == TestFileFormat::Gif
                                         ? GUID_WICPixelFormat8bppIndexed
                                         : GUID_WICPixelFormat24bppBGR;
    if (SUCCEEDED(result)) result = frame->SetPixelFormat(&pixelFormat);
    if (SUCCEEDED(result))
        result = factory->CreateBitmapFromMemory(
            width, height, GUID_WICPixelFormat32bppBGRA, width * 4,
            static_cast<UINT>(picture.pixels.size() * 4),
            reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(picture.pixels.data())),
            bitmap.Receive());
    IWICBitmapSource* source = bitmap.Get();
    if (SUCCEEDED(result) && format == TestFileFormat::Gif) {
        result = IndexedSource(factory, source, picture, frame.Get(), indexed);
        source = indexed.Get();
    }
    if (SUCCEEDED(result)) result = frame->WriteSource(source, nullptr);
    if (SUCCEEDED(result)) result = frame->Commit();
    return result;
}

}  // namespace

HRESULT WritePictureFile(const std::wstring& path, TestFileFormat format,
                         const SourcePicture& picture) {
    const ComApartment com;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    HRESULT result = ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IWICImagingFactory, factory.ReceiveVoid());
    if (SUCCEEDED(result)) result = factory->CreateStream(stream.Receive());
    if (SUCCEEDED(result)) result = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE);
    if (SUCCEEDED(result))
        result = factory->CreateEncoder(Container(format), nullptr, encoder.Receive());
    if (SUCCEEDED(result)) result = encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache);
    if (SUCCEEDED(result)) result = WriteFrame(factory.Get(), encoder.Get(), format, picture);
    if (SUCCEEDED(result)) result = encoder->Commit();
    return result;
}
