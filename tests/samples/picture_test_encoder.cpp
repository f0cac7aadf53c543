#include "picture_test_encoder.h"

#include <initguid.h>  // the WIC GUIDs defined here, for the tests only
#include <wincodec.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "com_apartment.h"
#include "com_ptr.h"
#include "tiff_bytes.h"

namespace {

GUID Container(TestFileFormat format) {
    switch (format) {
        case TestFileFormat::Bmp:
            return GUID_ContainerFormatBmp;
        case TestFileFormat::Png:
            return GUID_ContainerFormatPng;
        case TestFileFormat::Gif:
            return GUID_ContainerFormatGif;
        case TestFileFormat::Tiff:
            return GUID_ContainerFormatTiff;
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

// The pictures as the frames of one file: path, or a stream of the caller's.
HRESULT WriteEncoded(IWICImagingFactory* factory, IStream* stream, TestFileFormat format,
                     const std::vector<SourcePicture>& frames) {
    ComPtr<IWICBitmapEncoder> encoder;
    HRESULT result = factory->CreateEncoder(Container(format), nullptr, encoder.Receive());
    if (SUCCEEDED(result)) result = encoder->Initialize(stream, WICBitmapEncoderNoCache);
    for (const SourcePicture& frame : frames)
        if (SUCCEEDED(result)) result = WriteFrame(factory, encoder.Get(), format, frame);
    if (SUCCEEDED(result)) result = encoder->Commit();
    return result;
}

// WIC's factory and a stream that writes the file.
HRESULT OpenForWriting(const std::wstring& path, ComPtr<IWICImagingFactory>& factory,
                       ComPtr<IWICStream>& stream) {
    HRESULT result = ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IWICImagingFactory, factory.ReceiveVoid());
    if (SUCCEEDED(result)) result = factory->CreateStream(stream.Receive());
    if (SUCCEEDED(result)) result = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE);
    return result;
}

HRESULT WriteFrames(const std::wstring& path, TestFileFormat format,
                    const std::vector<SourcePicture>& frames) {
    const ComApartment com;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    HRESULT result = OpenForWriting(path, factory, stream);
    if (SUCCEEDED(result)) result = WriteEncoded(factory.Get(), stream.Get(), format, frames);
    return result;
}

std::vector<BYTE> ReadAll(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

HRESULT WritePictureFile(const std::wstring& path, TestFileFormat format,
                         const SourcePicture& picture) {
    return WriteFrames(path, format, {picture});
}

HRESULT WriteFramesFile(const std::wstring& path, TestFileFormat format,
                        const std::vector<SourcePicture>& frames) {
    return WriteFrames(path, format, frames);
}

// ICONDIR, an entry of 16 bytes for each image (a side of 256 is written 0), then the PNGs.
HRESULT WriteIconFile(const std::wstring& path, const std::vector<SourcePicture>& images) {
    std::vector<std::vector<BYTE>> pngs;
    for (const SourcePicture& image : images) {
        const std::wstring png = path + L".png";
        const HRESULT result = WritePictureFile(png, TestFileFormat::Png, image);
        pngs.push_back(ReadAll(png));
        ::DeleteFileW(png.c_str());
        if (FAILED(result)) return result;
    }
    std::vector<BYTE> icon;
    PutLittleEndian(icon, 0, 2), PutLittleEndian(icon, 1, 2),
        PutLittleEndian(icon, static_cast<std::uint32_t>(images.size()), 2);
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        PutLittleEndian(icon, images[i].width & 0xFF, 1),
            PutLittleEndian(icon, images[i].height & 0xFF, 1);
        PutLittleEndian(icon, 0, 2), PutLittleEndian(icon, 1, 2), PutLittleEndian(icon, 32, 2);
        PutLittleEndian(icon, static_cast<std::uint32_t>(pngs[i].size()), 4),
            PutLittleEndian(icon, offset, 4);
        offset += static_cast<std::uint32_t>(pngs[i].size());
    }
    for (const std::vector<BYTE>& png : pngs) icon.insert(icon.end(), png.begin(), png.end());
    std::ofstream file(path.c_str(), std::ios::binary);
    file.write(reinterpret_cast<const char*>(icon.data()),
               static_cast<std::streamsize>(icon.size()));
    return file ? S_OK : E_FAIL;
}

HRESULT WriteLargePng(const std::wstring& path, UINT width, UINT height) {
    const ComApartment com;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    HRESULT result = OpenForWriting(path, factory, stream);
    if (SUCCEEDED(result))
        result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Receive());
    if (SUCCEEDED(result)) result = encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache);
    if (SUCCEEDED(result)) result = encoder->CreateNewFrame(frame.Receive(), options.Receive());
    if (SUCCEEDED(result)) result = frame->Initialize(options.Get());
    if (SUCCEEDED(result)) result = frame->SetSize(width, height);
    WICPixelFormatGUID format = GUID_WICPixelFormatBlackWhite;
    if (SUCCEEDED(result)) result = frame->SetPixelFormat(&format);
    const UINT stride = (width + 31) / 32 * 4;
    std::vector<BYTE> rows(size_t{stride} * height, 0);
    for (UINT y = 0; y < height; y += 8) std::fill_n(&rows[size_t{y} * stride], stride, 0xFF);
    if (SUCCEEDED(result))
        result = frame->WritePixels(height, stride, static_cast<UINT>(rows.size()), rows.data());
    if (SUCCEEDED(result)) result = frame->Commit();
    if (SUCCEEDED(result)) result = encoder->Commit();
    return result;
}
