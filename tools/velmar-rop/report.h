#pragma once

#include <string>

#include "operation_facts.h"
#include "operation_input.h"

// Whole reports, built in memory, so the program writes all of one or nothing.
std::string FormatOperationText(const OperationFacts& facts, InputKind readAs);
std::string FormatOperationJson(const OperationFacts& facts, InputKind readAs);

// All 256 operations: a header and one line each, or a JSON array with one object per line.
std::string FormatTableText();
std::string FormatTableJson();
