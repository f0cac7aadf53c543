#include "report_lines.h"

#include <cstdio>

void AddReportLine(std::string& out, const char* label, const std::string& value) {
    char padded[32];
    std::snprintf(padded, sizeof padded, "%-15s", label);
    out += padded;
    out += value;
    out += '\n';
}

std::string PaddedColumn(const std::string& text, std::size_t width) {
    return text.size() >= width ? text + ' ' : text + std::string(width - text.size(), ' ');
}

std::string OperatorCount(int operators) {
    return std::to_string(operators) + (operators == 1 ? " operator" : " operators");
}
