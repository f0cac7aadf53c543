#pragma once

#include <optional>
#include <string>

#include "mask_facts.h"
#include "operation_facts.h"
#include "pen_mix_facts.h"
#include "rop_reader.h"

// Whole reports, built in memory, so the program writes all of one or nothing.
std::string FormatOperationText(const OperationFacts& facts, RopInputKind readAs);
std::string FormatOperationJson(const OperationFacts& facts, RopInputKind readAs);

// All 256 operations: a header and one line each, or a JSON array with one object per line.
std::string FormatTableText();
std::string FormatTableJson();

// One pen mix, and all 16 in the same two forms as the table of operations.
std::string FormatPenMixText(const PenMixFacts& facts, RopInputKind readAs);
std::string FormatPenMixJson(const PenMixFacts& facts, RopInputKind readAs);
std::string FormatPenMixTableText();
std::string FormatPenMixTableJson();

// A MaskBlt code with both of its halves and the 16-row truth table.
std::string FormatMaskText(const MaskFacts& facts);
std::string FormatMaskJson(const MaskFacts& facts);

// The part of an operation's report the MaskBlt reports repeat for each half: the text report's
// lines from "Read as" (left out without readAs) to the warning, and the JSON object.
void AddOperationLines(std::string& out, const OperationFacts& facts,
                       std::optional<RopInputKind> readAs);
std::string OperationJsonObject(const OperationFacts& facts, std::optional<RopInputKind> readAs);
