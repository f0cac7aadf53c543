#include "command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "output_options.h"
#include "quote_argument.h"
#include "rop_text_chars.h"

namespace {

// Where a value from the command line goes.
enum class Slot {
    Operation,
    Foreground,
    Background,
    MaskCode,
    Vectors,
    Seed,
    Emit,
    Render,
    Out,
    Bmp,
    Compare,
    Diff
};
constexpr std::size_t kSlotCount = 12;

struct ValueFlag {
    std::string_view name;
    Slot slot;
    RopInputKind kind;
};

constexpr std::array<ValueFlag, 16> kValueFlags = {{
    {"--rows", Slot::Operation, RopInputKind::Rows},
    {"--index", Slot::Operation, RopInputKind::Index},
    {"--rpn", Slot::Operation, RopInputKind::Rpn},
    {"--expr", Slot::Operation, RopInputKind::Expression},
    {"--code", Slot::Operation, RopInputKind::Code},
    {"--fore", Slot::Foreground, RopInputKind::Auto},
    {"--back", Slot::Background, RopInputKind::Auto},
    {"--rop4", Slot::MaskCode, RopInputKind::Auto},
    {"--vectors", Slot::Vectors, RopInputKind::Auto},
    {"--seed", Slot::Seed, RopInputKind::Auto},
    {"--emit", Slot::Emit, RopInputKind::Auto},
    {"--render", Slot::Render, RopInputKind::Auto},
    {"--out", Slot::Out, RopInputKind::Auto},
    {"--bmp", Slot::Bmp, RopInputKind::Auto},
    {"--compare", Slot::Compare, RopInputKind::Auto},
    {"--diff", Slot::Diff, RopInputKind::Auto},
}};

struct Given {
    RopInputKind kind = RopInputKind::Auto;
    std::string text;
    std::string source;  // how it arrived, to name it in a message
};

struct Arguments {
    bool help = false;
    bool json = false;
    bool port = false;
    bool table = false;
    bool penMix = false;
    std::array<std::optional<Given>, kSlotCount> slots;

    std::optional<Given>& At(Slot slot) { return slots[static_cast<std::size_t>(slot)]; }
};

ParsedCommandLine UsageError(std::string message) {
    return {std::nullopt, std::move(message) + " (try --help)"};
}

// An empty text when the value fits its slot, else the usage error.
std::string Take(Arguments& arguments, Slot slot, Given given) {
    std::optional<Given>& held = arguments.At(slot);
    if (held && slot == Slot::Operation)
        return "only one operation can be given, but there is " + held->source + " and " +
               given.source;
    if (held) return given.source + " is given twice";
    held = std::move(given);
    return {};
}

// The options that take no value.
bool* SwitchOf(Arguments& arguments, const std::string& arg) {
    if (arg == "--help" || arg == "-h") return &arguments.help;
    if (arg == "--json") return &arguments.json;
    if (arg == "--port") return &arguments.port;
    if (arg == "--table") return &arguments.table;
    if (arg == "--rop2") return &arguments.penMix;
    return nullptr;
}

bool IsFlagWithValue(const std::string& arg, std::string_view name) {
    return arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 &&
           arg[name.size()] == '=';
}

// A usage error, or an empty text once args[i] (and a value after it) has been taken.
std::string TakeOption(Arguments& arguments, const std::vector<std::string>& args, std::size_t& i) {
    const std::string& arg = args[i];
    if (bool* const option = SwitchOf(arguments, arg)) {
        *option = true;
        return {};
    }
    if (IsFlagWithValue(arg, "--rop2")) {
        arguments.penMix = true;
        return Take(arguments, Slot::Operation,
                    {RopInputKind::Auto, arg.substr(std::string_view("--rop2=").size()), "--rop2"});
    }
    for (const ValueFlag& flag : kValueFlags) {
        const std::string name(flag.name);
        if (arg == name) {
            if (i + 1 == args.size()) return name + " needs a value";
            return Take(arguments, flag.slot, {flag.kind, args[++i], name});
        }
        if (IsFlagWithValue(arg, flag.name))
            return Take(arguments, flag.slot, {flag.kind, arg.substr(name.size() + 1), name});
    }
    return "unknown option " + QuoteArgument(arg);
}

// The sources of the operations given, one per kind of question, in the order they are named in.
std::vector<std::string> QuestionsGiven(Arguments& arguments) {
    std::vector<std::string> sources;
    if (arguments.At(Slot::Operation)) sources.push_back(arguments.At(Slot::Operation)->source);
    if (arguments.At(Slot::Foreground))
        sources.push_back("--fore");
    else if (arguments.At(Slot::Background))
        sources.push_back("--back");
    if (arguments.At(Slot::MaskCode)) sources.push_back("--rop4");
    // A --rop2 without an operation of its own clashes with --fore or --rop4 all the same.
    if (arguments.penMix && !arguments.At(Slot::Operation) && !sources.empty())
        sources.insert(sources.begin(), "--rop2");
    return sources;
}

ParsedCommandLine Query(CommandLine command, Question question, const Given& given) {
    command.question = question;
    command.kind = given.kind;
    command.input = given.text;
    return {command, {}};
}

// The first option given that asks something other than a ternary operation, or nothing.
std::optional<std::string> OtherQuestion(Arguments& arguments) {
    if (arguments.penMix) return "--rop2";
    for (const Slot slot : {Slot::Foreground, Slot::Background, Slot::MaskCode})
        if (arguments.At(slot)) return arguments.At(slot)->source;
    return std::nullopt;
}

std::string ResolveEmit(const Given& emit, CommandLine& command) {
    if (command.json || command.port)
        return std::string("--emit writes C; ") + (command.json ? "--json" : "--port") +
               " cannot go with it";
    command.emitC = true;
    return ReadEmitLanguage(emit.text);
}

std::string ResolveVectors(const Given& vectors, const std::optional<Given>& seed,
                           CommandLine& command) {
    if (command.port && !command.json)
        return "--port cannot go with --vectors in text, which is the vectors alone (--json has "
               "both)";
    std::uint32_t count = 0;
    std::string error = ReadVectorCount(vectors.text, count);
    if (error.empty() && seed) error = ReadVectorSeed(seed->text, command.seed);
    command.vectors = count;
    return error;
}

// Reads --vectors, --seed and --emit into the command: a usage error, or an empty text.
std::string ResolveOutput(Arguments& arguments, CommandLine& command) {
    const std::optional<Given>& vectors = arguments.At(Slot::Vectors);
    const std::optional<Given>& seed = arguments.At(Slot::Seed);
    const std::optional<Given>& emit = arguments.At(Slot::Emit);
    if (seed && !vectors) return "--seed needs --vectors";
    if (vectors && emit) return "--vectors and --emit cannot go together: each is the whole output";
    if (!vectors && !emit) return {};
    if (const std::optional<std::string> other = OtherQuestion(arguments))
        return std::string(vectors ? "--vectors" : "--emit") +
               " takes a ternary operation or all 256; " + *other + " cannot go with it";
    return emit ? ResolveEmit(*emit, command) : ResolveVectors(*vectors, seed, command);
}

// --render takes --json, --out and --bmp, --compare --json and --diff, and nothing else.
ParsedCommandLine ResolveScenes(Arguments& arguments, CommandLine command) {
    const bool render = arguments.At(Slot::Render).has_value();
    const std::optional<Given>& given = arguments.At(render ? Slot::Render : Slot::Compare);
    const std::vector<Slot> own =
        render ? std::vector<Slot>{Slot::Out, Slot::Bmp} : std::vector<Slot>{Slot::Diff};
    if (!given) {
        for (const Slot slot : {Slot::Out, Slot::Bmp, Slot::Diff})
            if (arguments.At(slot))
                return UsageError(arguments.At(slot)->source +
                                  (slot == Slot::Diff ? " needs --compare" : " needs --render"));
        return {std::nullopt, {}};
    }
    std::vector<std::string> others = QuestionsGiven(arguments);
    for (const Slot slot :
         {Slot::Vectors, Slot::Seed, Slot::Emit, Slot::Out, Slot::Bmp, Slot::Compare, Slot::Diff})
        if (arguments.At(slot) && slot != (render ? Slot::Render : Slot::Compare) &&
            std::find(own.begin(), own.end(), slot) == own.end())
            others.push_back(arguments.At(slot)->source);
    if (arguments.table) others.push_back("--table");
    if (arguments.port) others.push_back("--port");
    if (arguments.penMix && others.empty()) others.push_back("--rop2");
    if (!others.empty())
        return UsageError(render ? "--render plays a scene; " + others[0] + " cannot go with it"
                                 : "--compare checks a recording; " + others[0] +
                                       " cannot go with it");
    command.action = render ? CommandLine::Action::Render : CommandLine::Action::Compare;
    command.scene = given->text;
    if (arguments.At(Slot::Out)) command.outFile = arguments.At(Slot::Out)->text;
    if (arguments.At(Slot::Bmp)) command.bmpFile = arguments.At(Slot::Bmp)->text;
    if (arguments.At(Slot::Diff)) command.diffDirectory = arguments.At(Slot::Diff)->text;
    return {command, {}};
}

ParsedCommandLine Resolve(Arguments& arguments) {
    CommandLine command;
    command.json = arguments.json;
    command.port = arguments.port;
    if (arguments.help) {
        command.action = CommandLine::Action::Help;
        return {command, {}};
    }
    if (ParsedCommandLine render = ResolveScenes(arguments, command);
        render.command || !render.usageError.empty())
        return render;
    const std::vector<std::string> given = QuestionsGiven(arguments);
    if (given.size() > 1)
        return UsageError("only one operation can be given, but there is " + given[0] + " and " +
                          given[1]);
    if (const std::string error = ResolveOutput(arguments, command); !error.empty())
        return UsageError(error);
    if (arguments.table || (command.emitC && given.empty())) {
        if (!given.empty())
            return UsageError("--table takes no operation, but there is " + given[0]);
        command.action = CommandLine::Action::Table;
        command.question = arguments.penMix ? Question::PenMix : Question::Ternary;
        return {command, {}};
    }
    const std::optional<Given>& operation = arguments.At(Slot::Operation);
    if (arguments.penMix && operation) {
        if (operation->kind != RopInputKind::Auto)
            return UsageError("--rop2 reads a pen mix in any form by itself; " + operation->source +
                              " cannot go with it");
        return Query(command, Question::PenMix, *operation);
    }
    if (operation) return Query(command, Question::Ternary, *operation);
    const std::optional<Given>& foreground = arguments.At(Slot::Foreground);
    const std::optional<Given>& background = arguments.At(Slot::Background);
    if (foreground && !background) return UsageError("--fore needs --back as well");
    if (background && !foreground) return UsageError("--back needs --fore as well");
    if (foreground) {
        command.background = background->text;
        return Query(command, Question::Quaternary, *foreground);
    }
    if (arguments.At(Slot::MaskCode))
        return Query(command, Question::MaskCode, *arguments.At(Slot::MaskCode));
    return UsageError("no operation given");
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    Arguments arguments;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string error;
        if (optionsEnded || arg.empty() || arg[0] != '-')
            error = Take(arguments, Slot::Operation,
                         {RopInputKind::Auto, arg, "the argument " + QuoteArgument(arg)});
        else if (arg == "--")
            optionsEnded = true;
        else
            error = TakeOption(arguments, args, i);
        if (!error.empty()) return UsageError(error);
    }
    return Resolve(arguments);
}
