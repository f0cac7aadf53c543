#pragma once

#include <string>

// One "Label          value" line of a text report: labels take 15 columns.
void AddReportLine(std::string& out, const char* label, const std::string& value);

// A table column: the text padded to width, or followed by one space when it is wider.
std::string PaddedColumn(const std::string& text, std::size_t width);

// "1 operator", "3 operators".
std::string OperatorCount(int operators);
