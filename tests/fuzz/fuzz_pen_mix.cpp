// SetROP2's pen mixes as velmar-rop --rop2 reads them: codes, names and source-free operations.

#include "fuzz_checks.h"
#include "pen_mix_facts.h"
#include "rop_expression.h"
#include "rop_operand_use.h"
#include "rop_pen_mix.h"
#include "rop_pen_mix_reader.h"
#include "rop_rpn.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = FuzzInput(data, size);
    const RopPenMixReading reading = ReadRopPenMix(text);
    if (!reading.result.ok) {
        CheckFault(reading.result, text);
        FuzzRequire(reading.mix == 0, "a refused pen mix has no code", text);
        return 0;
    }
    const int mix = reading.mix;
    const std::uint8_t twin = reading.result.index;
    FuzzRequire(mix >= kRopPenMixFirst && mix <= kRopPenMixLast, "a pen mix is 1 to 16", text);
    FuzzRequire(twin == RopPenMixTwin(mix) && RopPenMixOfIndex(twin) == mix &&
                    !RopOperandsUsed(twin).source,
                "a pen mix and its ternary twin, which reads no source, agree", text);
    const PenMixFacts facts = CollectPenMixFacts(mix);
    const RopParseResult byRpn = EvaluateRopRpn(facts.rpn);
    const RopParseResult byExpression = EvaluateRopExpression(facts.expression);
    FuzzRequire(byRpn.ok && byRpn.index == twin && facts.rpn.find('S') == std::string::npos,
                "the report's RPN is the mix and has no S", facts.rpn);
    FuzzRequire(byExpression.ok && byExpression.index == twin &&
                    facts.expression.find('S') == std::string::npos,
                "the report's expression is the mix and has no S", facts.expression);
    FuzzRequire(
        ReadRopPenMix(facts.name).mix == mix && ReadRopPenMix(std::to_string(mix)).mix == mix,
        "the mix's name and number read back to it", facts.name);
    return 0;
}
