// The one reader of every form of an operation, in every kind of input: velmar-rop's bare
// argument and its options, and the window's Expression field.

#include <string>

#include "fuzz_checks.h"
#include "rop_code.h"
#include "rop_reader.h"
#include "rop_truth_table.h"

namespace {

// What reads as an expression or RPN still does inside more of the same, with the value the
// addition gives: a precedence or a parenthesis read wrongly shows here.
void CheckInsideMore(RopInputKind kind, const std::string& text, std::uint8_t index) {
    const auto reads = [](RopInputKind kind, const std::string& more, int expected) {
        const RopParseResult result = ReadRopOperation(kind, more).result;
        const bool tooDeep = result.error.find("nested more than") != std::string::npos;
        FuzzRequire((result.ok && result.index == expected) || tooDeep,
                    "an operation reads the same inside more", more);
    };
    const auto inverse = static_cast<std::uint8_t>(~index);
    if (kind == RopInputKind::Expression) {
        reads(kind, "(" + text + ")", index);
        reads(kind, "~(" + text + ") ^ 1", index);
        reads(kind, "P & S | " + text + " ^ 0", (0xF0 & 0xCC) | index);
    } else if (kind == RopInputKind::Rpn) {
        reads(kind, text + "n", inverse);
        reads(kind, text + " " + text + "x", 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = FuzzInput(data, size);
    constexpr RopInputKind kKinds[] = {
        RopInputKind::Auto,       RopInputKind::Rows, RopInputKind::Index, RopInputKind::Rpn,
        RopInputKind::Expression, RopInputKind::Code, RopInputKind::Name,  RopInputKind::Field,
    };
    for (const RopInputKind kind : kKinds) {
        const RopReading reading = ReadRopOperation(kind, text);
        const bool chosen = kind == RopInputKind::Auto || kind == RopInputKind::Field;
        FuzzRequire(chosen
                        ? reading.kind != RopInputKind::Auto && reading.kind != RopInputKind::Field
                        : reading.kind == kind,
                    "a reading says which one form it read", text);
        FuzzRequire(kind != RopInputKind::Field || reading.kind != RopInputKind::Code,
                    "the Expression field never reads a code", text);
        FuzzRequire(reading.givenCode.has_value() ==
                        (reading.kind == RopInputKind::Code && reading.result.ok),
                    "exactly a code that was read is kept", text);
        if (!reading.result.ok) {
            CheckFault(reading.result, text);
            FuzzRequire(IsPrintable(DescribeRopReadingFault(reading.kind, reading.result), false),
                        "the fault as velmar-rop words it is one printable line", text);
            continue;
        }
        if (reading.givenCode)
            FuzzRequire(*reading.givenCode <= kRopCodeMax &&
                            RopTruthTable::IndexOfCode(*reading.givenCode) == reading.result.index,
                        "a code read is a ternary code of its operation", text);
        CheckReadsBack(reading.result.index, reading.givenCode);
        CheckInsideMore(reading.kind, std::string(text), reading.result.index);
    }
    return 0;
}
