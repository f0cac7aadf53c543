#pragma once

#include <string>
#include <vector>

// The rules the model follows where a GDI could as well do otherwise (Wine's does), each a case
// of the standard set with what the rule makes of its scene: the model must give exactly that.
struct RuleCase {
    std::string name;  // "rule.patblt-negative-width"
    std::string rule;
    std::string scene;
    std::vector<bool> returns;
    std::string bytes;  // the target's, in hexadecimal
};

const std::vector<RuleCase>& RuleCases();
