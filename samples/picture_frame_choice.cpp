#include "picture_frame_choice.h"

namespace {

// By value, as the other WIC ids (wic_guids.h).
constexpr GUID kContainerFormatIco = {
    0xa3a860c4, 0x338f, 0x4c17, {0x91, 0x9a, 0xfb, 0xa4, 0xb5, 0x62, 0x8f, 0x21}};

bool IsIcon(IWICBitmapDecoder* decoder) {
    GUID container{};
    return SUCCEEDED(decoder->GetContainerFormat(&container)) &&
           ::IsEqualGUID(container, kContainerFormatIco);
}

HRESULT TakeFrame(IWICBitmapDecoder* decoder, UINT index, ChosenFrame& chosen) {
    const HRESULT result = decoder->GetFrame(index, chosen.frame.Receive());
    if (FAILED(result)) return result;
    return chosen.frame->GetSize(&chosen.width, &chosen.height);
}

}  // namespace

HRESULT ChooseFrame(IWICBitmapDecoder* decoder, ChosenFrame& chosen) {
    if (FAILED(decoder->GetFrameCount(&chosen.frameCount)) || chosen.frameCount == 0)
        chosen.frameCount = 1;
    chosen.isIcon = IsIcon(decoder);
    UINT best = 0;
    unsigned long long bestArea = 0;
    for (UINT index = 0; chosen.isIcon && index < chosen.frameCount; ++index) {
        ChosenFrame candidate;
        if (FAILED(TakeFrame(decoder, index, candidate))) continue;
        const unsigned long long area = 1ull * candidate.width * candidate.height;
        if (area > bestArea) best = index, bestArea = area;
    }
    return TakeFrame(decoder, best, chosen);
}
