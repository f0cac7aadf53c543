#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "case_check.h"

// The report as one JSON object:
//     {"program": "...", "passed": 2, "failed": 1, "cases": [{"name": "...", "passed": false,
//      "parameters": {"target": "dib", "bpp": 24, "width": 8, "height": -256, "steps": 257},
//      "pixels": 2048, "differing_pixels": 3, "differences": [{"x": 3, "y": 17, "P": 1, "S": 0,
//      "D": 1, "expected": 5, "got": 10}], "returns": [{"step": 3, "call": "maskblt",
//      "expected": false, "got": true, "last_error": 0}], "fault": "...", "notes": []}]}
class JsonReport {
public:
    void Add(const CaseResult& result);
    std::string Text(const std::string& program, std::size_t passed, std::size_t failed) const;

private:
    std::vector<std::string> m_cases;  // each case's object, as text
};
