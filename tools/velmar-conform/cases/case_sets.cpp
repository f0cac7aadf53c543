#include "case_sets.h"

#include <algorithm>

#include "rop4_cases.h"
#include "rule_cases.h"
#include "sweep_scenes.h"

namespace {

std::vector<ConformanceCase> StandardCases() {
    std::vector<ConformanceCase> cases = AllSweepScenes();
    for (const RuleCase& rule : RuleCases()) cases.push_back({rule.name, rule.scene});
    return cases;
}

}  // namespace

std::optional<CaseSet> ReadCaseSet(std::string_view name) {
    if (name == "quick") return CaseSet::Quick;
    if (name == "standard") return CaseSet::Standard;
    if (name == "full") return CaseSet::Full;
    return std::nullopt;
}

const std::vector<std::string>& QuickCaseNames() {
    static const std::vector<std::string> names = {
        "codes.1bit-bw",
        "codes.4bit",
        "codes.8bit-236",
        "codes.16bit-565",
        "codes.24bit",
        "codes.32bit",
        "codes.mono",
        "brush.solid-3c80c0.24bit.origin=-3,-13",
        "brush.hatch-diagcross-opaque.8bit-5.origin=21,9",
        "brush.hatch-cross-transparent.16bit-555.origin=-3,-13",
        "brush.mono-pattern-8x8.32bit.origin=21,9",
        "brush.dib-pattern-8bit-236-bottom-up.24bit.origin=-3,-13",
        "convert.24bit-to-8bit-236",
        "convert.mono-to-32bit",
        "convert.32bit-to-mono",
        "convert.4bit-to-16bit-565",
        "onto-itself.24bit",
        "colours.paletteindex.own-palette.8bit-5",
        "maskblt.AACC0020.at=3,2.src=5,1.mask=7,3.24bit",
        "maskblt.1E5AA5C3.at=1,4.src=0,2.mask=2,0.mono",
        "returns",
        "fail.patblt-reads-source",
        "fail.hatch-style-12",
    };
    return names;
}

std::vector<ConformanceCase> MakeCaseSet(CaseSet set) {
    std::vector<ConformanceCase> standard = StandardCases();
    if (set == CaseSet::Full) {
        std::vector<ConformanceCase> pairs = Rop4Cases();
        standard.insert(standard.end(), pairs.begin(), pairs.end());
    }
    if (set != CaseSet::Quick) return standard;
    std::vector<ConformanceCase> quick;
    for (const std::string& name : QuickCaseNames()) {
        const auto found = std::find_if(standard.begin(), standard.end(),
                                        [&](const ConformanceCase& c) { return c.name == name; });
        if (found != standard.end()) quick.push_back(*found);
    }
    return quick;
}
