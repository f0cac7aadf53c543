// velmar-rop as a whole, in memory: the input cut at its NUL bytes is the argument list.

#include <cstdio>

#include "command_line.h"
#include "fuzz_checks.h"
#include "rop_expression.h"
#include "rop_index_text.h"
#include "rop_rpn.h"
#include "velmar_rop.h"

namespace {

// The value of a "Label          value" line of a text report, or nothing without that line.
std::optional<std::string> ReportValue(const std::string& report, const std::string& label) {
    const std::string line = "\n" + label + std::string(15 - label.size(), ' ');
    const std::size_t start = ("\n" + report).find(line);
    if (start == std::string::npos) return std::nullopt;
    const std::size_t value = start + line.size() - 1;
    return report.substr(value, report.find('\n', value) - value);
}

// A ternary report's RPN and shortest expression are the operation its index names.
void CheckTextReport(const std::string& report) {
    const std::optional<std::string> index = ReportValue(report, "Index");
    const std::optional<std::string> rpn = ReportValue(report, "Published RPN");
    std::optional<std::string> shortest = ReportValue(report, "Shortest");
    FuzzRequire(index && rpn && shortest, "a report names index, RPN and expression", report);
    shortest->erase(shortest->find("  ("));  // "  (3 operators)"
    const RopParseResult byRpn = EvaluateRopRpn(*rpn);
    const RopParseResult byExpression = EvaluateRopExpression(*shortest);
    FuzzRequire(byRpn.ok && FormatRopIndex(byRpn.index) == *index, "the report's RPN", report);
    FuzzRequire(byExpression.ok && FormatRopIndex(byExpression.index) == *index,
                "the report's shortest expression", report);
}

// Output past this is refused by the writer: a million vectors of every code would take minutes,
// and the unit tests count them. Every other output is far smaller.
constexpr std::size_t kMostOutput = 1 << 20;

// Text vectors, one a line, a table's after their index; the first of each code has the truth
// table's columns in every byte, so its result repeats the index.
void CheckTextVectors(const std::string& out, std::optional<unsigned> index) {
    std::string previous;
    for (std::size_t at = 0; at < out.size(); at = out.find('\n', at) + 1) {
        const std::string line = out.substr(at, out.find('\n', at) - at);
        unsigned code = index.value_or(0), p = 0, s = 0, d = 0, result = 0;
        int skip = 0;
        if (!index) std::sscanf(line.c_str(), "0x%2X %n", &code, &skip);
        FuzzRequire(std::sscanf(line.c_str() + skip, "P 0x%8X S 0x%8X D 0x%8X -> 0x%8X", &p, &s, &d,
                                &result) == 4,
                    "a vector line", line);
        if (previous.empty() || (!index && previous.compare(0, 4, line, 0, 4) != 0))
            FuzzRequire(p == 0xF0F0F0F0u && s == 0xCCCCCCCCu && d == 0xAAAAAAAAu &&
                            result == code * 0x01010101u,
                        "each code's first vector is the truth table's columns", line);
        previous = line;
    }
}

// What a successful run wrote, by the output asked for.
void CheckOutput(const CommandLine& command, const std::string& out) {
    if (command.emitC) {
        FuzzRequire(out.find("\n#include <stdint.h>\n") != std::string::npos && out.size() > 7 &&
                        out.compare(out.size() - 7, 7, "#endif\n") == 0,
                    "emitted C is a whole header", out);
    } else if (command.json) {
        CheckJsonReport(out);
    } else if (command.vectors) {
        std::optional<unsigned> index;
        if (command.action == CommandLine::Action::Query)
            index = ReadRopOperation(command.kind, command.input).result.index;
        CheckTextVectors(out, index);
    } else if (command.action == CommandLine::Action::Query &&
               command.question == Question::Ternary) {
        CheckTextReport(out);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = FuzzInput(data, size);
    const std::vector<std::string> args = SplitAtNul(input);
    const ParsedCommandLine parsed = ParseCommandLine(args);
    // Scenes and recordings are files, with readers of their own (fuzz_scene, fuzz_manifest);
    // run here, a command line would read and make folders anywhere.
    if (parsed.command && (parsed.command->action == CommandLine::Action::Render ||
                           parsed.command->action == CommandLine::Action::Compare))
        return 0;
    std::string out;
    bool cut = false;
    VelmarRopRun run = RunVelmarRop(args, [&](std::string_view piece) {
        cut = cut || out.size() + piece.size() > kMostOutput;
        if (!cut) out.append(piece);
        return !cut;
    });
    if (cut) {
        FuzzRequire(parsed.command && parsed.command->vectors, "only vectors run long", input);
        FuzzRequire(run.status == 1 && run.err == "velmar-rop: cannot write the output\n",
                    "a refused write ends the run with its message", run.err);
        return 0;
    }
    run.out = std::move(out);

    FuzzRequire((run.status == 2) == !parsed.command,
                "status 2 exactly for a command line that does not parse", input);
    if (run.status != 0) {
        FuzzRequire(run.status == 1 || run.status == 2, "a failure's status is 1 or 2", input);
        FuzzRequire(run.out.empty(), "a failure writes no report", input);
        FuzzRequire(run.err.rfind("velmar-rop: ", 0) == 0 && run.err.back() == '\n' &&
                        IsPrintable(run.err.substr(0, run.err.size() - 1), false),
                    "a failure is one printable line, named for the program", run.err);
        return 0;
    }
    const CommandLine& command = *parsed.command;
    FuzzRequire(run.err.empty() && !run.out.empty() && run.out.back() == '\n',
                "a success writes a whole report and no message", input);
    FuzzRequire(IsPrintable(run.out, true), "a report is printable", run.out);
    if (command.action != CommandLine::Action::Help) CheckOutput(command, run.out);
    return 0;
}
