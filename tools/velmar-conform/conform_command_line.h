#pragma once

#include <optional>
#include <string>
#include <vector>

#include "case_sets.h"

struct ConformCommand {
    enum class Action { Check, List, Help };
    Action action = Action::Check;
    CaseSet caseSet = CaseSet::Standard;
    std::string caseSetName = "standard";
    std::string scenesDirectory;  // the user's scenes instead of a set
    std::string recordDirectory;
    std::string jsonFile;
    std::string diffDirectory;
};

struct ParsedConformCommand {
    std::optional<ConformCommand> command;
    std::string usageError;  // set when command is empty
};

// args excludes the program name; "--cases quick" and "--cases=quick" both work.
ParsedConformCommand ParseConformCommand(const std::vector<std::string>& args);
