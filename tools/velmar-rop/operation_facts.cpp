#include "operation_facts.h"

#include "rop_code.h"
#include "rop_index_text.h"
#include "rop_low_word.h"
#include "rop_names.h"
#include "rop_rpn.h"
#include "rop_shortest.h"
#include "rop_truth_table.h"

namespace {

LowWordWarning MakeWarning(std::uint8_t index, std::uint32_t givenCode) {
    LowWordWarning warning;
    warning.givenCode = givenCode;
    warning.givenLowWord = RopLowWord(givenCode);
    warning.publishedLowWord = RopLowWord(kRopCodeTable[index]);
    warning.givenRpn = DecodeRopLowWord(warning.givenLowWord);
    if (warning.givenRpn) warning.givenRpnIndex = EvaluateRopRpn(*warning.givenRpn).index;
    warning.message = "low word " + FormatRopLowWord(warning.givenLowWord) + " of code " +
                      FormatFullRopCode(givenCode) + " is not " +
                      FormatRopLowWord(warning.publishedLowWord) +
                      ", the published one for index " + FormatRopIndex(index) +
                      "; GDI decides by the index alone";
    return warning;
}

}  // namespace

OperationFacts CollectOperationFacts(std::uint8_t index, std::optional<std::uint32_t> givenCode) {
    OperationFacts facts;
    facts.index = index;
    facts.code = kRopCodeTable[index];
    facts.indexText = FormatRopIndex(index);
    facts.codeText = FormatFullRopCode(facts.code);
    facts.windowCode = FormatRopCode(facts.code);
    facts.rpn = PublishedRopRpn(index);
    facts.gdiName = GdiRopName(index);
    const RopShortestExpression& shortest = ShortestRopExpression(index);
    facts.expression = shortest.text;
    facts.operators = shortest.operators;
    facts.rows = FormatRopRows(index);
    if (givenCode && !HasPublishedLowWord(*givenCode))
        facts.warning = MakeWarning(index, *givenCode);
    return facts;
}
