#include "command_line.h"

#include <array>
#include <string_view>

#include "rop_parse_result.h"

namespace {

struct InputFlag {
    std::string_view name;
    RopInputKind kind;
};

constexpr std::array<InputFlag, 5> kInputFlags = {{
    {"--rows", RopInputKind::Rows},
    {"--index", RopInputKind::Index},
    {"--rpn", RopInputKind::Rpn},
    {"--expr", RopInputKind::Expression},
    {"--code", RopInputKind::Code},
}};

ParsedCommandLine UsageError(std::string message) {
    return {std::nullopt, std::move(message) + " (try --help)"};
}

}  // namespace

std::string QuoteArgument(const std::string& arg) {
    constexpr std::size_t kShown = 40;
    std::string text = "\"";
    for (std::size_t i = 0; i < arg.size() && i < kShown; ++i) {
        const char c = arg[i];
        if (c == '"' || c == '\\')
            text += std::string("\\") + c;
        else if (c >= 0x20 && c < 0x7F)
            text += c;
        else
            text += DescribeRopTextChar(c);
    }
    text += arg.size() > kShown ? "\"..." : "\"";
    return text;
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine command;
    bool help = false;
    bool table = false;
    std::optional<std::string> input;
    std::string inputSource;  // how the input arrived, to name both in a "two inputs" message

    const auto takeInput = [&](RopInputKind kind, const std::string& text,
                               const std::string& source) -> bool {
        if (input) return false;
        command.kind = kind;
        input = text;
        inputSource = source;
        return true;
    };

    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            if (!takeInput(RopInputKind::Auto, arg, "the argument " + QuoteArgument(arg)))
                return UsageError("only one operation can be given, but there is " + inputSource +
                                  " and the argument " + QuoteArgument(arg));
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            help = true;
            continue;
        }
        if (arg == "--json") {
            command.json = true;
            continue;
        }
        if (arg == "--table") {
            table = true;
            continue;
        }
        bool matched = false;
        for (const InputFlag& flag : kInputFlags) {
            std::string value;
            if (arg == flag.name) {
                if (i + 1 == args.size())
                    return UsageError(std::string(flag.name) + " needs a value");
                value = args[++i];
            } else if (arg.compare(0, flag.name.size() + 1, std::string(flag.name) + "=") == 0) {
                value = arg.substr(flag.name.size() + 1);
            } else {
                continue;
            }
            if (!takeInput(flag.kind, value, std::string(flag.name)))
                return UsageError("only one operation can be given, but there is " + inputSource +
                                  " and " + std::string(flag.name));
            matched = true;
            break;
        }
        if (!matched) return UsageError("unknown option " + QuoteArgument(arg));
    }

    if (help) {
        command.action = CommandLine::Action::Help;
    } else if (table) {
        if (input) return UsageError("--table takes no operation, but there is " + inputSource);
        command.action = CommandLine::Action::Table;
    } else if (!input) {
        return UsageError("no operation given");
    } else {
        command.input = *input;
    }
    return {command, {}};
}
