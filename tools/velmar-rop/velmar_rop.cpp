#include "velmar_rop.h"

#include "command_line.h"
#include "help.h"
#include "operation_facts.h"
#include "report.h"
#include "rop_reader.h"

VelmarRopRun RunVelmarRop(const std::vector<std::string>& args) {
    VelmarRopRun run;
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (!parsed.command) {
        run.status = 2;
        run.err = "velmar-rop: " + parsed.usageError + "\n";
        return run;
    }
    const CommandLine& command = *parsed.command;
    switch (command.action) {
        case CommandLine::Action::Help:
            run.out = std::string(HelpText());
            return run;
        case CommandLine::Action::Table:
            run.out = command.json ? FormatTableJson() : FormatTableText();
            return run;
        case CommandLine::Action::Query:
            break;
    }

    const RopReading input = ReadRopOperation(command.kind, command.input);
    if (!input.result.ok) {
        run.status = 1;
        run.err = "velmar-rop: " + std::string(RopInputKindName(input.kind)) + ": " +
                  input.result.error + "\n";
        return run;
    }
    const OperationFacts facts = CollectOperationFacts(input.result.index, input.givenCode);
    run.out = command.json ? FormatOperationJson(facts, input.kind)
                           : FormatOperationText(facts, input.kind);
    return run;
}
