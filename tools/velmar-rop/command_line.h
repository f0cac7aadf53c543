#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rop_reader.h"

struct CommandLine {
    enum class Action { Help, Table, Query };
    Action action = Action::Query;
    bool json = false;
    RopInputKind kind = RopInputKind::Auto;  // Auto: the no-flag rules
    std::string input;
};

struct ParsedCommandLine {
    std::optional<CommandLine> command;
    std::string usageError;  // set when command is empty
};

// args excludes the program name. "--rows X" and "--rows=X" both work; "--" ends the options, so
// an input that starts with '-' can still be given.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// At most a few dozen characters of an argument, with anything unprintable escaped, for messages.
std::string QuoteArgument(const std::string& arg);
