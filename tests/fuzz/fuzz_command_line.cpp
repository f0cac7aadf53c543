// velmar-rop as a whole, in memory: the input cut at its NUL bytes is the argument list.

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = FuzzInput(data, size);
    const std::vector<std::string> args = SplitAtNul(input);
    const ParsedCommandLine parsed = ParseCommandLine(args);
    const VelmarRopRun run = RunVelmarRop(args);

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
    if (command.action == CommandLine::Action::Help) return 0;
    if (command.json)
        CheckJsonReport(run.out);
    else if (command.action == CommandLine::Action::Query && command.question == Question::Ternary)
        CheckTextReport(run.out);
    return 0;
}
