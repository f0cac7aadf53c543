#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "conformance_case.h"

// quick: a few cases of each kind, for a first look and for slow guests; standard: every format,
// brush kind, conversion, colour kind, MaskBlt form and failure, and the rules of rule_cases.h;
// full: the standard set and all 65,536 MaskBlt codes.
enum class CaseSet { Quick, Standard, Full };

// "quick", "standard" or "full".
std::optional<CaseSet> ReadCaseSet(std::string_view name);

std::vector<ConformanceCase> MakeCaseSet(CaseSet set);

// The names the quick set takes from the standard set, in its order.
const std::vector<std::string>& QuickCaseNames();
