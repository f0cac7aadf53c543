#pragma once

#include <cstddef>
#include <string>

#include "case_check.h"

// A case's lines of the report:
//     PASS codes.24bit
//     FAIL brush.null.4bit.origin=0,0: 936 of 4096 pixels differ
//       at 3,17  P 1 S 0 D 1  expected 0x5  got 0xA
//       steps[3] maskblt returned TRUE, expected FALSE
std::string CaseReportText(const CaseResult& result);

// "1712 passed, 3 failed"
std::string SummaryText(std::size_t passed, std::size_t failed);

// A stored pixel value as the report writes it: 0 or 1 for 1 bit, else 0x and a digit per 4 bits.
std::string PixelText(std::uint32_t value, int bitsPerPixel);

// "TRUE", or "FALSE" with what GetLastError said.
std::string StepResultText(const StepResult& result);
