#include "pixel_story.h"

#include "blit_record.h"
#include "rop_quaternary.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
const char* const kNames[3] = {"Bitmap 1", "Bitmap 2", "Mask"};
const char* const kSourceNames[3] = {"Bitmap 1", "Bitmap 2", "the mask"};

// The line is built by appending to one string, digit by digit too: a temporary string for each
// piece (a chain of operator+, or FormatRopHexDigits) costs velmar.exe kilobytes of code for a
// few dozen characters.
void AppendHex(std::string& text, unsigned long value, int digits) {
    text += "0x";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        text += "0123456789ABCDEF"[(value >> shift) & 0xF];
}

void AppendDecimal(std::string& text, unsigned value) {
    char digits[12];
    char* start = digits + sizeof digits;
    do *--start = static_cast<char>('0' + value % 10);
    while ((value /= 10) != 0);
    text.append(start, digits + sizeof digits);
}

void AppendValue(std::string& text, COLORREF color, bool mono) {
    if (mono)
        text += color == kWhite ? "1 (white)" : "0 (black)";
    else
        AppendHex(text, color, 8);
}

// The pixel's bit where all its bits are one value, else -1.
int Bit(COLORREF color, bool mono) {
    if (mono) return color == kWhite;
    return color == 0 ? 0 : color == kWhite ? 1 : -1;
}

// S as the destination took it: a source of the other kind converted by the destination's
// colours (black and white onto colour) or the source's background colour (colour onto black and
// white), as GDI converts. Gives S's bit.
int AppendSource(std::string& text, const BlitRecord& record, size_t i, int nDestination) {
    const COLORREF raw = record.sourcePixels[i];
    AppendValue(text, raw, record.sourceMono);
    if (record.sourceMono == record.destinationMono) return Bit(raw, record.sourceMono);
    text += " became ";
    if (record.sourceMono) {
        const bool one = raw == kWhite;
        const COLORREF color = one ? record.bk : record.text;
        AppendValue(text, color, false);
        text += ", ";
        text += kNames[nDestination];
        text += one ? "'s Bk Color" : "'s Text Color";
        return Bit(color, false);
    }
    const bool one = raw == record.sourceBk;
    text += one ? "1, " : "0, not ";
    text += kSourceNames[record.source];
    text += "'s Bk Color";
    return one;
}

// Gives P's bit.
int AppendPattern(std::string& text, const BlitRecord& record, int x, int y) {
    const BrushPixel p = BrushPixelAt(record, x, y);
    AppendValue(text, p.color, record.destinationMono);
    if (p.bit >= 0) {
        if (TakesDcColors(record.brush.m_style))
            text += p.bit ? " (pattern bit 1)" : " (pattern bit 0)";
        else
            text += p.bit ? " (hatch gap)" : " (hatch line)";
    }
    return Bit(p.color, record.destinationMono);
}

void AppendStory(std::string& text, const BlitRecord& record, int nPicture, POINT at) {
    const size_t i =
        static_cast<size_t>(at.y) * static_cast<size_t>(record.size.cx) + static_cast<size_t>(at.x);
    text += record.maskBlt ? " from MaskBlt " : " from Blt ";
    AppendHex(text, record.rop, 8);
    text += ": D ";
    AppendValue(text, record.before[i], record.destinationMono);
    const int d = Bit(record.before[i], record.destinationMono);
    text += ", S ";
    const int s = AppendSource(text, record, i, nPicture);
    text += ", P ";
    const int p = AppendPattern(text, record, at.x, at.y);
    if (record.maskBlt && i < record.maskBits.size()) {
        const bool one = record.maskBits[i] != 0;
        text += one ? ", mask 1: foreground " : ", mask 0: background ";
        AppendHex(text, one ? Rop4ForegroundIndex(record.rop) : Rop4BackgroundIndex(record.rop), 2);
    }
    if (d >= 0 && s >= 0 && p >= 0) {
        text += ", row ";
        AppendDecimal(text, static_cast<unsigned>(4 * p + 2 * s + d + 1));
    }
}

}  // namespace

std::string DescribePixel(int nPicture, const SamplePicture& picture, POINT at) {
    std::string text;
    if (!picture.Ready() || at.x < 0 || at.y < 0 || at.x >= picture.Size().cx ||
        at.y >= picture.Size().cy)
        return text;
    text += kNames[nPicture];
    text += " at ";
    AppendDecimal(text, static_cast<unsigned>(at.x));
    text += ", ";
    AppendDecimal(text, static_cast<unsigned>(at.y));
    text += ": ";
    AppendValue(text, ::GetPixel(picture.DC(), at.x, at.y), picture.IsMono());
    const BlitRecord* record = picture.LastBlit();
    if (record && at.x < record->size.cx && at.y < record->size.cy &&
        record->before.size() == static_cast<size_t>(record->size.cx) * record->size.cy &&
        record->sourcePixels.size() == record->before.size())
        AppendStory(text, *record, nPicture, at);
    return text;
}
