#include "velmar_rop.h"

#include "command_line.h"
#include "compare_recording.h"
#include "help.h"
#include "mask_facts.h"
#include "operation_facts.h"
#include "pen_mix_facts.h"
#include "render_scene.h"
#include "report.h"
#include "report_vectors.h"
#include "rop_emit_c.h"
#include "rop_pen_mix_reader.h"
#include "rop_quaternary.h"
#include "rop_reader.h"

namespace {

VelmarRopRun Report(std::string out) { return {0, std::move(out), {}}; }

VelmarRopRun Refuse(const std::string& message) { return {1, {}, "velmar-rop: " + message + "\n"}; }

VelmarRopRun AnswerTernary(const CommandLine& command) {
    const RopReading input = ReadRopOperation(command.kind, command.input);
    if (!input.result.ok) return Refuse(DescribeRopReadingFault(input.kind, input.result));
    if (command.emitC) return Report(RopCSourceOfOne(input.result.index));
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
    if (command.emitC) return Report(RopCSourceOfAll());
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

VelmarRopRun CannotWrite() { return Refuse("cannot write the output"); }

// Vectors are written as they are made; the operation is read first, so a fault writes nothing.
VelmarRopRun WriteVectors(const CommandLine& command, const VelmarRopWrite& write) {
    if (command.action == CommandLine::Action::Table)
        return WriteTableVectors(command, write) ? VelmarRopRun{} : CannotWrite();
    const RopReading input = ReadRopOperation(command.kind, command.input);
    if (!input.result.ok) return Refuse(DescribeRopReadingFault(input.kind, input.result));
    const OperationFacts facts = CollectOperationFacts(input.result.index, input.givenCode);
    return WriteOperationVectors(facts, input.kind, command, write) ? VelmarRopRun{}
                                                                    : CannotWrite();
}

VelmarRopRun Run(const CommandLine& command) {
    switch (command.action) {
        case CommandLine::Action::Help:
            return Report(std::string(HelpText()));
        case CommandLine::Action::Table:
            return AnswerTable(command);
        case CommandLine::Action::Render:
            return RenderScene(command);
        case CommandLine::Action::Compare:  // written as it is made, by RunVelmarRop
        case CommandLine::Action::Query:
            break;
    }
    return Answer(command);
}

}  // namespace

VelmarRopRun RunVelmarRop(const std::vector<std::string>& args, const VelmarRopWrite& write) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (!parsed.command) return {2, {}, "velmar-rop: " + parsed.usageError + "\n"};
    const CommandLine& command = *parsed.command;
    if (command.vectors) return WriteVectors(command, write);
    if (command.action == CommandLine::Action::Compare)
        return CompareRecordingCommand(command, write);
    VelmarRopRun run = Run(command);
    if (run.status == 0 && !write(run.out)) return CannotWrite();
    run.out.clear();
    return run;
}

VelmarRopRun RunVelmarRop(const std::vector<std::string>& args) {
    std::string out;
    VelmarRopRun run = RunVelmarRop(args, [&out](std::string_view piece) {
        out.append(piece);
        return true;
    });
    run.out = std::move(out);
    return run;
}
