#include <cstdio>

#include "report.h"
#include "report_lines.h"
#include "rop_quaternary.h"

namespace {

std::string Half(const char* which, const OperationFacts& facts) {
    return std::string(which) + " " + facts.indexText + ": " + facts.expression;
}

void AddTruthTable(std::string& out, std::uint32_t code) {
    out += "\nRow  M  P  S  D  Result\n";
    for (int row = 1; row <= 16; ++row) {
        const int k = row - 1;
        char line[64];
        std::snprintf(line, sizeof line, "%3d  %d  %d  %d  %d  %d\n", row, (k >> 3) & 1,
                      (k >> 2) & 1, (k >> 1) & 1, k & 1, Rop4RowResult(code, row) ? 1 : 0);
        out += line;
    }
}

}  // namespace

std::string FormatMaskText(const MaskFacts& facts, bool port) {
    std::string out;
    AddReportLine(out, "Code", facts.codeText);
    AddReportLine(out, "As C", facts.asC);
    AddReportLine(out, "Mask bit 1", Half("foreground", facts.foreground));
    AddReportLine(out, "Mask bit 0", Half("background", facts.background));
    if (facts.warning) AddReportLine(out, "Warning", facts.warning->message);
    out += "\nForeground, where the mask bit is 1:\n";
    AddOperationLines(out, facts.foreground, facts.foregroundReadAs);
    if (port) AddPortLines(out, facts.foreground.index);
    out += "\nBackground, where the mask bit is 0:\n";
    AddOperationLines(out, facts.background, facts.backgroundReadAs);
    if (port) AddPortLines(out, facts.background.index);
    AddTruthTable(out, facts.code);
    return out;
}
