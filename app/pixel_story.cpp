#include "pixel_story.h"

#include "blit_record.h"
#include "rop_quaternary.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
const char* const kNames[3] = {"Bitmap 1", "Bitmap 2", "Mask"};
const char* const kSourceNames[3] = {"Bitmap 1", "Bitmap 2", "the mask"};

std::string Hex(unsigned long value, int digits) {
    std::string text = "0x";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        text += "0123456789ABCDEF"[(value >> shift) & 0xF];
    return text;
}

std::string Value(COLORREF color, bool mono) {
    if (mono) return color == kWhite ? "1 (white)" : "0 (black)";
    return Hex(color, 8);
}

// The pixel's bit where all its bits are one value, else -1.
int Bit(COLORREF color, bool mono) {
    if (mono) return color == kWhite;
    return color == 0 ? 0 : color == kWhite ? 1 : -1;
}

struct Operand {
    std::string text;
    int bit;
};

// S as the destination took it: a source of the other kind converted by the destination's
// colours (black and white onto colour) or the source's background colour (colour onto black and
// white), as GDI converts.
Operand Source(const BlitRecord& record, size_t i, int nDestination) {
    const COLORREF raw = record.sourcePixels[i];
    const std::string name = kSourceNames[record.source];
    if (record.sourceMono == record.destinationMono)
        return {Value(raw, record.sourceMono), Bit(raw, record.sourceMono)};
    if (record.sourceMono) {
        const bool one = raw == kWhite;
        const COLORREF color = one ? record.bk : record.text;
        return {Value(raw, true) + " became " + Value(color, false) + ", " + kNames[nDestination] +
                    "'s " + (one ? "Bk Color" : "Text Color"),
                Bit(color, false)};
    }
    const bool one = raw == record.sourceBk;
    return {Value(raw, false) + " became " + (one ? "1, " : "0, not ") + name + "'s Bk Color", one};
}

Operand Pattern(const BlitRecord& record, int x, int y) {
    const BrushPixel p = BrushPixelAt(record, x, y);
    std::string text = Value(p.color, record.destinationMono);
    if (p.bit >= 0)
        text += TakesDcColors(record.brush.m_style)
                    ? std::string(" (pattern bit ") + (p.bit ? "1)" : "0)")
                    : std::string(p.bit ? " (hatch gap)" : " (hatch line)");
    return {text, Bit(p.color, record.destinationMono)};
}

std::string Story(const BlitRecord& record, int nPicture, POINT at) {
    const size_t i =
        static_cast<size_t>(at.y) * static_cast<size_t>(record.size.cx) + static_cast<size_t>(at.x);
    const Operand d{Value(record.before[i], record.destinationMono),
                    Bit(record.before[i], record.destinationMono)};
    const Operand s = Source(record, i, nPicture);
    const Operand p = Pattern(record, at.x, at.y);
    std::string text = std::string(record.maskBlt ? " from MaskBlt " : " from Blt ") +
                       Hex(record.rop, 8) + ": D " + d.text + ", S " + s.text + ", P " + p.text;
    if (record.maskBlt && i < record.maskBits.size()) {
        const bool one = record.maskBits[i] != 0;
        const unsigned index =
            one ? Rop4ForegroundIndex(record.rop) : Rop4BackgroundIndex(record.rop);
        text +=
            std::string(", mask ") + (one ? "1: foreground " : "0: background ") + Hex(index, 2);
    }
    if (d.bit >= 0 && s.bit >= 0 && p.bit >= 0)
        text += ", row " + std::to_string(4 * p.bit + 2 * s.bit + d.bit + 1);
    return text;
}

}  // namespace

std::string DescribePixel(int nPicture, const SamplePicture& picture, POINT at) {
    if (!picture.Ready() || at.x < 0 || at.y < 0 || at.x >= picture.Size().cx ||
        at.y >= picture.Size().cy)
        return "";
    const COLORREF now = ::GetPixel(picture.DC(), at.x, at.y);
    std::string text = std::string(kNames[nPicture]) + " at " + std::to_string(at.x) + ", " +
                       std::to_string(at.y) + ": " + Value(now, picture.IsMono());
    const BlitRecord* record = picture.LastBlit();
    if (record && at.x < record->size.cx && at.y < record->size.cy &&
        record->before.size() == static_cast<size_t>(record->size.cx) * record->size.cy &&
        record->sourcePixels.size() == record->before.size())
        text += Story(*record, nPicture, at);
    return text;
}
