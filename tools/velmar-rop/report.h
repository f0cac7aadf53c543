#pragma once

#include <optional>
#include <string>

#include "operation_facts.h"
#include "rop_reader.h"

// Whole reports, built in memory, so the program writes all of one or nothing.
std::string FormatOperationText(const OperationFacts& facts, RopInputKind readAs);
std::string FormatOperationJson(const OperationFacts& facts, RopInputKind readAs);

// All 256 operations: a header and one line each, or a JSON array with one object per line.
std::string FormatTableText();
std::string FormatTableJson();

// The parts of an operation's report: the text report's lines from "Read as" (left out without
// readAs) to the warning, and the JSON object.
void AddOperationLines(std::string& out, const OperationFacts& facts,
                       std::optional<RopInputKind> readAs);
std::string OperationJsonObject(const OperationFacts& facts, std::optional<RopInputKind> readAs);
