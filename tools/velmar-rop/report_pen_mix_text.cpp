#include <cstdio>

#include "report.h"
#include "report_lines.h"
#include "rop_pen_mix.h"

namespace {

std::string Twin(const PenMixFacts& facts) {
    return facts.twinIndexText + " " + facts.twinCode +
           (facts.twinName.empty() ? "" : " " + std::string(facts.twinName));
}

}  // namespace

std::string FormatPenMixText(const PenMixFacts& facts, RopInputKind readAs, bool port) {
    std::string out;
    AddReportLine(out, "Read as", std::string(RopInputKindName(readAs)));
    AddReportLine(out, "Pen mix", std::to_string(facts.mix));
    AddReportLine(out, "Name", std::string(facts.name));
    AddReportLine(out, "Published RPN", facts.rpn);
    AddReportLine(out, "Shortest", facts.expression + "  (" + OperatorCount(facts.operators) + ")");
    AddReportLine(out, "Rows", facts.rows);
    AddReportLine(out, "Ternary twin", Twin(facts));
    if (port) AddPortLines(out, facts.twinIndex);
    out += "\nRow  P  D  Result\n";
    for (int row = 1; row <= 4; ++row) {
        char line[32];
        std::snprintf(line, sizeof line, "%3d  %d  %d  %c\n", row, (row - 1) >> 1, (row - 1) & 1,
                      facts.rows[static_cast<std::size_t>(row - 1)]);
        out += line;
    }
    return out;
}

std::string FormatPenMixTableText(bool port) {
    if (port) {
        std::string out = "Mix  Name            " + PortTableHeader() + '\n';
        for (int mix = kRopPenMixFirst; mix <= kRopPenMixLast; ++mix)
            out += PaddedColumn(std::to_string(mix), 5) +
                   PaddedColumn(std::string(RopPenMixName(mix)), 16) +
                   PortTableColumns(RopPenMixTwin(mix)) + '\n';
        return out + PortTableNotes();
    }
    std::string out = "Mix  Name            Rows  RPN    Twin  Twin code   Twin name  Shortest\n";
    for (int mix = kRopPenMixFirst; mix <= kRopPenMixLast; ++mix) {
        const PenMixFacts facts = CollectPenMixFacts(mix);
        out += PaddedColumn(std::to_string(mix), 5) + PaddedColumn(std::string(facts.name), 16) +
               PaddedColumn(facts.rows, 6) + PaddedColumn(facts.rpn, 7) +
               PaddedColumn(facts.twinIndexText, 6) + PaddedColumn(facts.twinCode, 12) +
               PaddedColumn(facts.twinName.empty() ? "-" : std::string(facts.twinName), 11) +
               facts.expression + '\n';
    }
    return out;
}
