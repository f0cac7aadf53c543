#include <cstdio>

#include "json_text.h"
#include "report.h"
#include "rop_pen_mix.h"

namespace {

std::string TruthTable(const std::string& rows) {
    std::string out = "[";
    for (int row = 1; row <= 4; ++row) {
        char entry[64];
        std::snprintf(entry, sizeof entry, "%s{\"row\":%d,\"P\":%d,\"D\":%d,\"result\":%c}",
                      row == 1 ? "" : ",", row, (row - 1) >> 1, (row - 1) & 1,
                      rows[static_cast<std::size_t>(row - 1)]);
        out += entry;
    }
    return out + "]";
}

std::string Twin(const PenMixFacts& facts) {
    return "{" + JsonField("index", JsonString(facts.twinIndexText)) + "," +
           JsonField("code", JsonString(facts.twinCode)) + "," +
           JsonField("gdi_name", facts.twinName.empty() ? "null" : JsonString(facts.twinName)) +
           "}";
}

// In the order the text report lists them.
std::string PenMixFields(const PenMixFacts& facts) {
    return JsonField("pen_mix", std::to_string(facts.mix)) + "," +
           JsonField("name", JsonString(facts.name)) + "," +
           JsonField("rpn", JsonString(facts.rpn)) + "," +
           JsonField("expression", JsonString(facts.expression)) + "," +
           JsonField("operators", std::to_string(facts.operators)) + "," +
           JsonField("rows", JsonString(facts.rows)) + "," +
           JsonField("truth_table", TruthTable(facts.rows)) + "," + JsonField("twin", Twin(facts)) +
           "," + JsonField("port", PortJsonObject(facts.twinIndex));
}

}  // namespace

std::string FormatPenMixJson(const PenMixFacts& facts, RopInputKind readAs) {
    return "{" + JsonField("read_as", JsonString(RopInputKindName(readAs))) + "," +
           PenMixFields(facts) + "}\n";
}

std::string FormatPenMixTableJson() {
    std::string out = "[\n";
    for (int mix = kRopPenMixFirst; mix <= kRopPenMixLast; ++mix) {
        out += "{" + PenMixFields(CollectPenMixFacts(mix)) + "}";
        out += mix == kRopPenMixLast ? "\n" : ",\n";
    }
    return out + "]\n";
}
