// MaskBlt's quaternary codes: the whole input as --rop4 reads it, and the input cut at its first
// NUL into the foreground and background that --fore and --back read.

#include "fuzz_checks.h"
#include "mask_facts.h"
#include "reference_strtoul.h"
#include "report.h"
#include "rop_code.h"
#include "rop_quaternary.h"
#include "rop_reader.h"
#include "rop_truth_table.h"

namespace {

void CheckMaskReport(const MaskFacts& facts, std::string_view text) {
    FuzzRequire(facts.foreground.index == Rop4ForegroundIndex(facts.code) &&
                    facts.background.index == Rop4BackgroundIndex(facts.code),
                "a MaskBlt report's halves are its code's", text);
    CheckReadsBack(facts.foreground.index);
    CheckReadsBack(facts.background.index);
    CheckJsonReport(FormatMaskJson(facts));
    for (const bool port : {false, true})
        FuzzRequire(IsPrintable(FormatMaskText(facts, port), true), "the text report is printable",
                    text);
}

void CheckWholeCode(std::string_view text) {
    const ParsedRopHexNumber code = ParseRop4Code(text);
    if (!code.status.ok) return CheckFault(code.status, text);
    FuzzRequire(code.value == ReferenceStrtoul(std::string(text)),
                "a MaskBlt code reads as strtoul", text);
    FuzzRequire(ParseRop4Code(FormatFullRopCode(code.value)).value == code.value,
                "a MaskBlt code's written form reads back to it", text);
    CheckMaskReport(CollectMaskFactsOfCode(code.value), text);
}

// "MAKEROP4(SRCCOPY, 0x00AA0029)": each half reads back to the operation it stands for.
void CheckAsC(const MaskFacts& facts) {
    const std::string& asC = facts.asC;
    const std::size_t comma = asC.find(", ");
    FuzzRequire(asC.rfind("MAKEROP4(", 0) == 0 && comma != std::string::npos && asC.back() == ')',
                "MAKEROP4 text has two halves", asC);
    const RopReading fore = ReadRopOperation(RopInputKind::Auto, asC.substr(9, comma - 9));
    const RopReading back =
        ReadRopOperation(RopInputKind::Auto, asC.substr(comma + 2, asC.size() - comma - 3));
    FuzzRequire(fore.result.ok && fore.result.index == facts.foreground.index,
                "MAKEROP4's foreground is the foreground", asC);
    FuzzRequire(back.result.ok && back.result.index == facts.background.index,
                "MAKEROP4's background is the background", asC);
}

void CheckHalves(std::string_view text) {
    const std::size_t cut = text.find('\0');
    if (cut == std::string_view::npos) return;
    const RopReading fore = ReadRopOperation(RopInputKind::Auto, text.substr(0, cut));
    const RopReading back = ReadRopOperation(RopInputKind::Auto, text.substr(cut + 1));
    if (!fore.result.ok || !back.result.ok) return;  // the operation reader's to check
    const MaskFacts facts = CollectMaskFactsOfHalves(fore, back);
    FuzzRequire(Rop4ForegroundIndex(facts.code) == fore.result.index &&
                    Rop4BackgroundIndex(facts.code) == back.result.index,
                "the code is made of the two halves", text);
    FuzzRequire((facts.code & 0x00FFFFFFu) ==
                    fore.givenCode.value_or(RopTruthTable::CodeFromIndex(fore.result.index)),
                "the foreground's code is kept whole, as MAKEROP4 keeps it", text);
    const MaskFacts again = CollectMaskFactsOfCode(facts.code);
    FuzzRequire(
        again.foreground.index == fore.result.index && again.background.index == back.result.index,
        "--rop4 of the code undoes --fore and --back", text);
    CheckAsC(facts);
    CheckMaskReport(facts, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = FuzzInput(data, size);
    CheckWholeCode(text);
    CheckHalves(text);
    return 0;
}
