#include "mask_facts.h"

#include "rop_code.h"
#include "rop_index_text.h"
#include "rop_low_word.h"
#include "rop_quaternary.h"
#include "rop_truth_table.h"

namespace {

MaskLowWordWarning MakeWarning(std::uint32_t code) {
    MaskLowWordWarning warning;
    const std::uint8_t foreground = Rop4ForegroundIndex(code);
    warning.givenLowWord = RopLowWord(code);
    warning.publishedLowWord = RopLowWord(RopTruthTable::CodeFromIndex(foreground));
    warning.message = "low word " + FormatRopLowWord(warning.givenLowWord) + " of code " +
                      FormatFullRopCode(code) + " is neither 0 nor " +
                      FormatRopLowWord(warning.publishedLowWord) +
                      ", the published one for the foreground " + FormatRopIndex(foreground) +
                      "; MaskBlt ignores it";
    return warning;
}

MaskFacts FromHalves(std::uint32_t code, OperationFacts foreground, OperationFacts background) {
    MaskFacts facts;
    facts.code = code;
    facts.codeText = FormatFullRopCode(code);
    facts.asC = FormatMakeRop4(code);
    facts.foreground = std::move(foreground);
    facts.background = std::move(background);
    return facts;
}

}  // namespace

MaskFacts CollectMaskFactsOfHalves(const RopReading& foreground, const RopReading& background) {
    const std::uint8_t foreIndex = foreground.result.index;
    const std::uint32_t foreCode =
        foreground.givenCode.value_or(RopTruthTable::CodeFromIndex(foreIndex));
    const std::uint32_t code =
        MakeRop4(foreCode, RopTruthTable::CodeFromIndex(background.result.index));
    MaskFacts facts =
        FromHalves(code, CollectOperationFacts(foreIndex, foreground.givenCode),
                   CollectOperationFacts(background.result.index, background.givenCode));
    facts.foregroundReadAs = foreground.kind;
    facts.backgroundReadAs = background.kind;
    return facts;
}

MaskFacts CollectMaskFactsOfCode(std::uint32_t code) {
    MaskFacts facts = FromHalves(code, CollectOperationFacts(Rop4ForegroundIndex(code)),
                                 CollectOperationFacts(Rop4BackgroundIndex(code)));
    if (!HasUsualRop4LowWord(code)) facts.warning = MakeWarning(code);
    return facts;
}
