// The Hex field's reader, which must be the C library's strtoul exactly, and the index reader.

#include "fuzz_checks.h"
#include "reference_strtoul.h"
#include "rop_code.h"
#include "rop_index_text.h"
#include "rop_reader.h"
#include "rop_text_chars.h"

namespace {

void CheckHexField(std::string_view text) {
    const ParsedRopCode parsed = ParseRopCode(text);
    FuzzRequire(parsed.value == ReferenceHexFieldParse(std::string(text)),
                "the Hex field reads what strtoul reads", text);
    FuzzRequire(parsed.ok == (parsed.value != 0xFFFFFFFFu), "only all ones is refused", text);
    if (parsed.ok) {
        FuzzRequire(ParseRopCode(FormatRopCode(parsed.value)).value == parsed.value &&
                        ParseRopCode(FormatFullRopCode(parsed.value)).value == parsed.value,
                    "a code's written forms read back to it", text);
    }
    const RopReading reading = ReadRopOperation(RopInputKind::Code, text);
    const bool inRange = parsed.ok && CheckRopCodeRange(parsed.value);
    FuzzRequire(reading.result.ok == inRange, "a code is taken exactly when it is in range", text);
    if (inRange) {
        FuzzRequire(reading.givenCode == parsed.value, "the code read is the one kept", text);
    } else {
        CheckFault(reading.result, text);
        FuzzRequire(reading.result.errorOffset == 0 && reading.result.errorLength == text.size(),
                    "a refused code selects the whole field, as the window does", text);
    }
}

// Hexadecimal digits after an optional "0x", nothing else, at most FF.
void CheckIndex(std::string_view text) {
    const RopParseResult result = ParseRopIndex(text);
    const std::string_view digits = HasRopHexPrefix(text) ? text.substr(2) : text;
    bool wellFormed = !digits.empty();
    for (const char c : digits) wellFormed = wellFormed && IsRopHexDigit(c);
    const std::uint32_t value = wellFormed ? ReferenceStrtoul(std::string(digits)) : 0;
    const bool fits = wellFormed && value <= 0xFF;
    FuzzRequire(result.ok == fits, "an index is taken exactly when it is one byte of digits", text);
    if (fits)
        FuzzRequire(result.index == value, "an index reads as strtoul reads its digits", text);
    else
        CheckFault(result, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = FuzzInput(data, size);
    CheckHexField(text);
    CheckIndex(text);
    return 0;
}
