#include "picture_decode.h"

#include <algorithm>

#include "com_ptr.h"
#include "wic_guids.h"

namespace {

// About a megabyte of pixels between two looks at `abandoned`.
constexpr UINT kBandBytes = 1u << 20;

class DecodingChain {
public:
    DecodingChain(IWICImagingFactory* factory, IWICBitmapSource* frame)
        : m_factory(factory), m_last(frame) {}
    IWICBitmapSource* Last() const { return m_last; }

    HRESULT Scale(UINT width, UINT height) {
        HRESULT result = m_factory->CreateBitmapScaler(m_scaler.Receive());
        if (SUCCEEDED(result))
            result = m_scaler->Initialize(m_last, width, height, WICBitmapInterpolationModeFant);
        if (SUCCEEDED(result)) m_last = m_scaler.Get();
        return result;
    }
    HRESULT Convert() {
        HRESULT result = m_factory->CreateFormatConverter(m_converter.Receive());
        if (SUCCEEDED(result))
            result =
                m_converter->Initialize(m_last, kWicPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                        nullptr, 0.0, WICBitmapPaletteTypeCustom);
        if (SUCCEEDED(result)) m_last = m_converter.Get();
        return result;
    }

private:
    IWICImagingFactory* m_factory;
    IWICBitmapSource* m_last;
    ComPtr<IWICBitmapScaler> m_scaler;
    ComPtr<IWICFormatConverter> m_converter;
};

HRESULT CopyInBands(IWICBitmapSource* source, SourcePicture& picture,
                    const std::atomic<bool>* abandoned) {
    const UINT width = static_cast<UINT>(picture.width), height = static_cast<UINT>(picture.height);
    const UINT stride = width * 4;
    const UINT band = std::max(1u, kBandBytes / stride);
    for (UINT top = 0; top < height; top += band) {
        if (abandoned && abandoned->load()) return E_ABORT;
        const UINT rows = std::min(band, height - top);
        const WICRect rect{0, static_cast<INT>(top), static_cast<INT>(width),
                           static_cast<INT>(rows)};
        BYTE* out = reinterpret_cast<BYTE*>(picture.pixels.data() + size_t{top} * width);
        const HRESULT result = source->CopyPixels(&rect, stride, stride * rows, out);
        if (FAILED(result)) return result;
    }
    return S_OK;
}

HRESULT Decode(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, UINT width, UINT height,
               bool scalerFirst, SourcePicture& picture, const std::atomic<bool>* abandoned) {
    DecodingChain chain(factory, frame);
    UINT frameWidth = 0, frameHeight = 0;
    HRESULT result = frame->GetSize(&frameWidth, &frameHeight);
    const bool shrink = frameWidth != width || frameHeight != height;
    if (SUCCEEDED(result) && shrink && scalerFirst) result = chain.Scale(width, height);
    if (SUCCEEDED(result)) result = chain.Convert();
    if (SUCCEEDED(result) && shrink && !scalerFirst) result = chain.Scale(width, height);
    if (FAILED(result)) return result;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.pixels.assign(size_t{width} * height, 0);
    return CopyInBands(chain.Last(), picture, abandoned);
}

}  // namespace

HRESULT DecodeFrame(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, UINT width,
                    UINT height, SourcePicture& picture, const std::atomic<bool>* abandoned) {
    const HRESULT result = Decode(factory, frame, width, height, true, picture, abandoned);
    if (SUCCEEDED(result) || result == E_ABORT || result == E_OUTOFMEMORY) return result;
    return Decode(factory, frame, width, height, false, picture, abandoned);
}
