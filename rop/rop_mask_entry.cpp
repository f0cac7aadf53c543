#include "rop_mask_entry.h"

#include <algorithm>

#include "rop_text_chars.h"

namespace {

// The digits after "0x", or nothing when the text is no such number.
std::string_view HexDigitsAfterPrefix(std::string_view text) {
    const std::string_view number = TrimRopSpace(text).text;
    if (!HasRopHexPrefix(number)) return {};
    const std::string_view digits = number.substr(2);
    return std::all_of(digits.begin(), digits.end(), IsRopHexDigit) ? digits : std::string_view();
}

}  // namespace

RopReading ReadRopMaskBackground(std::string_view text) {
    const std::string_view digits = HexDigitsAfterPrefix(text);
    if (digits.empty()) return ReadRopOperation(RopInputKind::Field, text);
    const RopInputKind kind = digits.size() <= 2 ? RopInputKind::Index : RopInputKind::Code;
    return ReadRopOperation(kind, TrimRopSpace(text).text);
}
