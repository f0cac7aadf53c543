#include "report.h"

#include <cstdio>

#include "rop_index_text.h"
#include "rop_truth_table.h"

namespace {

void AddLine(std::string& out, const char* label, const std::string& value) {
    char padded[32];
    std::snprintf(padded, sizeof padded, "%-15s", label);
    out += padded;
    out += value;
    out += '\n';
}

std::string Padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text + ' ' : text + std::string(width - text.size(), ' ');
}

std::string OperatorCount(int operators) {
    return std::to_string(operators) + (operators == 1 ? " operator" : " operators");
}

}  // namespace

std::string FormatOperationText(const OperationFacts& facts, InputKind readAs) {
    std::string out;
    AddLine(out, "Read as", std::string(InputKindName(readAs)));
    AddLine(out, "Index", facts.indexText);
    AddLine(out, "Code", facts.codeText);
    AddLine(out, "Window form", facts.windowCode);
    AddLine(out, "Published RPN", facts.rpn);
    AddLine(out, "GDI name", facts.gdiName.empty() ? "(none)" : std::string(facts.gdiName));
    AddLine(out, "Shortest", facts.expression + "  (" + OperatorCount(facts.operators) + ")");
    AddLine(out, "Rows", facts.rows);
    if (facts.warning) {
        const LowWordWarning& warning = *facts.warning;
        AddLine(out, "Warning", warning.message);
        AddLine(out, "Low word",
                FormatLowWord(warning.givenLowWord) +
                    (warning.givenRpn ? " encodes " + *warning.givenRpn + " (index " +
                                            FormatRopIndex(warning.givenRpnIndex) + ")"
                                      : " encodes no RPN"));
    }
    out += "\nRow  P  S  D  Result\n";
    const RopTruthTable::Results results = RopTruthTable::ResultsFromIndex(facts.index);
    for (int row = 1; row <= 8; ++row) {
        const RopTruthTable::Operands operands = RopTruthTable::RowOperands(row);
        char line[64];
        std::snprintf(line, sizeof line, "%3d  %d  %d  %d  %d\n", row, operands.pattern ? 1 : 0,
                      operands.source ? 1 : 0, operands.destination ? 1 : 0,
                      results[row - 1] ? 1 : 0);
        out += line;
    }
    return out;
}

std::string FormatTableText() {
    std::string out = "Index  Code        Rows      RPN          GDI name     Ops  Shortest\n";
    for (int index = 0; index < 256; ++index) {
        const OperationFacts facts = CollectOperationFacts(static_cast<std::uint8_t>(index));
        out += Padded(facts.indexText, 7) + Padded(facts.codeText, 12) + Padded(facts.rows, 10) +
               Padded(facts.rpn, 13) +
               Padded(facts.gdiName.empty() ? "-" : std::string(facts.gdiName), 13) +
               Padded(std::to_string(facts.operators), 5) + facts.expression + '\n';
    }
    return out;
}
