#include "conform_command_line.h"

#include <array>

#include "quote_argument.h"

namespace {

struct ValueOption {
    const char* name;
    std::string ConformCommand::*value;
};

constexpr std::array<ValueOption, 5> kValueOptions = {{
    {"--cases", &ConformCommand::caseSetName},
    {"--scenes", &ConformCommand::scenesDirectory},
    {"--record", &ConformCommand::recordDirectory},
    {"--json", &ConformCommand::jsonFile},
    {"--diff", &ConformCommand::diffDirectory},
}};

struct Given {
    ConformCommand command;
    std::vector<std::string> named;  // each option once
    bool list = false;
    bool help = false;
};

ParsedConformCommand UsageError(const std::string& message) {
    return {std::nullopt, message + " (try --help)"};
}

bool Named(const Given& given, const std::string& name) {
    for (const std::string& n : given.named)
        if (n == name) return true;
    return false;
}

// An empty text once args[i] (and a value after it) has been taken, else the usage error.
std::string TakeOption(Given& given, const std::vector<std::string>& args, std::size_t& i) {
    const std::string& arg = args[i];
    const std::string name = arg.substr(0, arg.find('='));
    if (Named(given, name)) return name + " is given twice";
    if (arg == "--list" || arg == "--help" || arg == "-h") {
        given.named.push_back(name);
        (arg == "--list" ? given.list : given.help) = true;
        return {};
    }
    for (const ValueOption& option : kValueOptions) {
        if (name != option.name) continue;
        std::string value;
        if (arg.size() > name.size()) {
            value = arg.substr(name.size() + 1);
        } else {
            if (i + 1 == args.size()) return name + " needs a value";
            value = args[++i];
        }
        if (value.empty()) return name + " needs a value";
        given.command.*option.value = value;
        given.named.push_back(name);
        return {};
    }
    return "unknown option " + QuoteArgument(arg);
}

ParsedConformCommand Resolve(Given& given) {
    ConformCommand& command = given.command;
    if (given.help) {
        command.action = ConformCommand::Action::Help;
        return {command, {}};
    }
    if (Named(given, "--cases") && Named(given, "--scenes"))
        return UsageError("--cases and --scenes cannot go together");
    if (Named(given, "--cases")) {
        const std::optional<CaseSet> set = ReadCaseSet(command.caseSetName);
        if (!set)
            return UsageError("--cases takes quick, standard or full, not " +
                              QuoteArgument(command.caseSetName));
        command.caseSet = *set;
    }
    if (given.list) {
        for (const char* other : {"--record", "--json", "--diff"})
            if (Named(given, other))
                return UsageError(std::string("--list plays nothing; ") + other +
                                  " cannot go with it");
        command.action = ConformCommand::Action::List;
    }
    return {command, {}};
}

}  // namespace

ParsedConformCommand ParseConformCommand(const std::vector<std::string>& args) {
    Given given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].size() < 2 || args[i][0] != '-')
            return UsageError("velmar-conform takes no argument, but there is " +
                              QuoteArgument(args[i]));
        if (const std::string error = TakeOption(given, args, i); !error.empty())
            return UsageError(error);
    }
    return Resolve(given);
}
