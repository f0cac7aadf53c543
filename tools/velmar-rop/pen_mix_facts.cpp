#include "pen_mix_facts.h"

#include "rop_code.h"
#include "rop_index_text.h"
#include "rop_low_word.h"
#include "rop_names.h"
#include "rop_pen_mix.h"
#include "rop_shortest.h"
#include "rop_truth_table.h"

PenMixFacts CollectPenMixFacts(int mix) {
    PenMixFacts facts;
    facts.mix = mix;
    facts.name = RopPenMixName(mix);
    facts.twinIndex = RopPenMixTwin(mix);
    facts.rpn = PublishedRopRpn(facts.twinIndex);
    const RopShortestExpression& shortest = ShortestRopExpression(facts.twinIndex);
    facts.expression = shortest.text;
    facts.operators = shortest.operators;
    facts.rows = FormatRopPenMixRows(mix);
    facts.twinIndexText = FormatRopIndex(facts.twinIndex);
    facts.twinCode = FormatFullRopCode(RopTruthTable::CodeFromIndex(facts.twinIndex));
    facts.twinName = GdiRopName(facts.twinIndex);
    return facts;
}
