#include <gtest/gtest.h>

#include <set>

#include "case_sets.h"

namespace {

// Names are file names and words of a report: each a case name, each once.
TEST(CaseSets, EveryCaseHasANameOfItsOwn) {
    const std::vector<ConformanceCase> full = MakeCaseSet(CaseSet::Full);
    std::set<std::string> names;
    for (const ConformanceCase& c : full) {
        EXPECT_TRUE(IsCaseName(c.name)) << c.name;
        EXPECT_TRUE(names.insert(c.name).second) << c.name << " twice";
    }
    const std::vector<ConformanceCase> standard = MakeCaseSet(CaseSet::Standard);
    EXPECT_EQ(full.size(), standard.size() + 256);  // a case a foreground code
    EXPECT_EQ(full.back().name, "rop4.fore=FF");
    const std::vector<ConformanceCase> quick = MakeCaseSet(CaseSet::Quick);
    EXPECT_EQ(quick.size(), QuickCaseNames().size());  // no name of the quick set went missing
}

}  // namespace
