#include "rop_pen_mix_reader.h"

#include <algorithm>
#include <string>

#include "rop_pen_mix.h"
#include "rop_text_chars.h"

namespace {

bool IsDecimalNumber(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

RopPenMixReading Refuse(RopInputKind kind, std::size_t offset, std::size_t length,
                        std::string message) {
    return {kind, RopParseResult::Failure(offset, length, std::move(message)), 0};
}

RopPenMixReading Accept(RopInputKind kind, int mix) {
    return {kind, RopParseResult::Success(RopPenMixTwin(mix)), mix};
}

RopPenMixReading ReadMixCode(TrimmedRopText number) {
    int mix = 0;
    for (const char c : number.text) {
        mix = mix * 10 + (c - '0');
        if (mix > kRopPenMixLast) break;  // no need to read on: it is too large already
    }
    if (mix < kRopPenMixFirst || mix > kRopPenMixLast)
        return Refuse(RopInputKind::Code, number.offset, number.text.size(),
                      QuoteRopText(number.text) + " at " + RopTextPosition(number.offset) +
                          " is no pen-mix code, which is 1 (R2_BLACK) to 16 (R2_WHITE)");
    return Accept(RopInputKind::Code, mix);
}

// A name says nothing about S by its letters, so it is its operation that must ignore S.
RopPenMixReading CheckName(const RopReading& reading, std::string_view text) {
    if (const std::optional<int> mix = RopPenMixOfIndex(reading.result.index))
        return Accept(reading.kind, *mix);
    const TrimmedRopText name = TrimRopSpace(text);
    return Refuse(reading.kind, name.offset, name.text.size(),
                  "a pen mix has no source, but " + QuoteRopText(name.text) + " at " +
                      RopTextPosition(name.offset) + " reads one");
}

RopPenMixReading CheckSource(const RopReading& reading, std::string_view text) {
    const std::size_t source = text.find('S');
    if (source != std::string_view::npos)
        return Refuse(reading.kind, source, 1,
                      "a pen mix has no source, but 'S' is at " + RopTextPosition(source) +
                          " (operands are P, D, 0, 1)");
    return Accept(reading.kind, *RopPenMixOfIndex(reading.result.index));
}

}  // namespace

RopPenMixReading ReadRopPenMix(std::string_view text) {
    const TrimmedRopText trimmed = TrimRopSpace(text);
    if (IsDecimalNumber(trimmed.text)) return ReadMixCode(trimmed);
    const RopReading reading = ReadRopOperation(RopInputKind::Field, text);
    if (!reading.result.ok) return {reading.kind, reading.result, 0};
    // Once the text has been read, any S left in it is the source operand.
    if (reading.kind == RopInputKind::Name) return CheckName(reading, text);
    return CheckSource(reading, text);
}
