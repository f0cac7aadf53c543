// The one reader of every form of an operation, in every kind of input: velmar-rop's bare
// argument and its options, and the window's Expression field.

#include "fuzz_checks.h"
#include "rop_code.h"
#include "rop_reader.h"
#include "rop_truth_table.h"

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
    }
    return 0;
}
