#include <cstdio>

#include "report.h"
#include "report_lines.h"
#include "rop_index_text.h"
#include "rop_low_word.h"
#include "rop_truth_table.h"

void AddOperationLines(std::string& out, const OperationFacts& facts,
                       std::optional<RopInputKind> readAs) {
    if (readAs) AddReportLine(out, "Read as", std::string(RopInputKindName(*readAs)));
    AddReportLine(out, "Index", facts.indexText);
    AddReportLine(out, "Code", facts.codeText);
    AddReportLine(out, "Window form", facts.windowCode);
    AddReportLine(out, "Published RPN", facts.rpn);
    AddReportLine(out, "GDI name", facts.gdiName.empty() ? "(none)" : std::string(facts.gdiName));
    AddReportLine(out, "Shortest", facts.expression + "  (" + OperatorCount(facts.operators) + ")");
    AddReportLine(out, "Rows", facts.rows);
    if (facts.warning) {
        const LowWordWarning& warning = *facts.warning;
        AddReportLine(out, "Warning", warning.message);
        AddReportLine(out, "Low word",
                      FormatRopLowWord(warning.givenLowWord) +
                          (warning.givenRpn ? " encodes " + *warning.givenRpn + " (index " +
                                                  FormatRopIndex(warning.givenRpnIndex) + ")"
                                            : " encodes no RPN"));
    }
}

std::string FormatOperationText(const OperationFacts& facts, RopInputKind readAs, bool port) {
    std::string out;
    AddOperationLines(out, facts, readAs);
    if (port) AddPortLines(out, facts.index);
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

std::string FormatTableText(bool port) {
    if (port) {
        std::string out = "Index  Code        GDI name     " + PortTableHeader() + '\n';
        for (int index = 0; index < 256; ++index) {
            const OperationFacts facts = CollectOperationFacts(static_cast<std::uint8_t>(index));
            out += PaddedColumn(facts.indexText, 7) + PaddedColumn(facts.codeText, 12) +
                   PaddedColumn(facts.gdiName.empty() ? "-" : std::string(facts.gdiName), 13) +
                   PortTableColumns(facts.index) + '\n';
        }
        return out + PortTableNotes();
    }
    std::string out = "Index  Code        Rows      RPN          GDI name     Ops  Shortest\n";
    for (int index = 0; index < 256; ++index) {
        const OperationFacts facts = CollectOperationFacts(static_cast<std::uint8_t>(index));
        out += PaddedColumn(facts.indexText, 7) + PaddedColumn(facts.codeText, 12) +
               PaddedColumn(facts.rows, 10) + PaddedColumn(facts.rpn, 13) +
               PaddedColumn(facts.gdiName.empty() ? "-" : std::string(facts.gdiName), 13) +
               PaddedColumn(std::to_string(facts.operators), 5) + facts.expression + '\n';
    }
    return out;
}
