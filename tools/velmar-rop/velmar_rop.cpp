#include "velmar_rop.h"

#include "command_line.h"
#include "help.h"
#include "mask_facts.h"
#include "operation_facts.h"
#include "pen_mix_facts.h"
#include "report.h"
#include "rop_pen_mix_reader.h"
#include "rop_quaternary.h"
#include "rop_reader.h"

namespace {

VelmarRopRun Report(std::string out) { return {0, std::move(out), {}}; }

VelmarRopRun Refuse(const std::string& message) { return {1, {}, "velmar-rop: " + message + "\n"}; }

VelmarRopRun AnswerTernary(const CommandLine& command) {
    const RopReading input = ReadRopOperation(command.kind, command.input);
    if (!input.result.ok) return Refuse(DescribeRopReadingFault(input.kind, input.result));
    const OperationFacts facts = CollectOperationFacts(input.result.index, input.givenCode);
    return Report(command.json ? FormatOperationJson(facts, input.kind)
                               : FormatOperationText(facts, input.kind, command.port));
}

VelmarRopRun AnswerPenMix(const CommandLine& command) {
    const RopPenMixReading input = ReadRopPenMix(command.input);
    if (!input.result.ok)
        return Refuse("--rop2: " + DescribeRopReadingFault(input.kind, input.result));
    const PenMixFacts facts = CollectPenMixFacts(input.mix);
    return Report(command.json ? FormatPenMixJson(facts, input.kind)
                               : FormatPenMixText(facts, input.kind, command.port));
}

VelmarRopRun AnswerQuaternary(const CommandLine& command) {
    const RopReading foreground = ReadRopOperation(RopInputKind::Auto, command.input);
    if (!foreground.result.ok)
        return Refuse("--fore: " + DescribeRopReadingFault(foreground.kind, foreground.result));
    const RopReading background = ReadRopOperation(RopInputKind::Auto, command.background);
    if (!background.result.ok)
        return Refuse("--back: " + DescribeRopReadingFault(background.kind, background.result));
    const MaskFacts facts = CollectMaskFactsOfHalves(foreground, background);
    return Report(command.json ? FormatMaskJson(facts) : FormatMaskText(facts, command.port));
}

VelmarRopRun AnswerMaskCode(const CommandLine& command) {
    const ParsedRopHexNumber code = ParseRop4Code(command.input);
    if (!code.status.ok) return Refuse("--rop4: " + code.status.error);
    const MaskFacts facts = CollectMaskFactsOfCode(code.value);
    return Report(command.json ? FormatMaskJson(facts) : FormatMaskText(facts, command.port));
}

VelmarRopRun AnswerTable(const CommandLine& command) {
    if (command.question == Question::PenMix)
        return Report(command.json ? FormatPenMixTableJson() : FormatPenMixTableText(command.port));
    return Report(command.json ? FormatTableJson() : FormatTableText(command.port));
}

VelmarRopRun Answer(const CommandLine& command) {
    switch (command.question) {
        case Question::PenMix:
            return AnswerPenMix(command);
        case Question::Quaternary:
            return AnswerQuaternary(command);
        case Question::MaskCode:
            return AnswerMaskCode(command);
        case Question::Ternary:
            break;
    }
    return AnswerTernary(command);
}

}  // namespace

VelmarRopRun RunVelmarRop(const std::vector<std::string>& args) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (!parsed.command) return {2, {}, "velmar-rop: " + parsed.usageError + "\n"};
    const CommandLine& command = *parsed.command;
    switch (command.action) {
        case CommandLine::Action::Help:
            return Report(std::string(HelpText()));
        case CommandLine::Action::Table:
            return AnswerTable(command);
        case CommandLine::Action::Query:
            break;
    }
    return Answer(command);
}
