#include <cstdio>

#include "json_text.h"
#include "report.h"
#include "rop_code.h"
#include "rop_index_text.h"
#include "rop_low_word.h"
#include "rop_truth_table.h"

namespace {

std::string TruthTable(std::uint8_t index) {
    std::string out = "[";
    const RopTruthTable::Results results = RopTruthTable::ResultsFromIndex(index);
    for (int row = 1; row <= 8; ++row) {
        const RopTruthTable::Operands operands = RopTruthTable::RowOperands(row);
        char entry[64];
        std::snprintf(entry, sizeof entry,
                      "%s{\"row\":%d,\"P\":%d,\"S\":%d,\"D\":%d,\"result\":%d}",
                      row == 1 ? "" : ",", row, operands.pattern ? 1 : 0, operands.source ? 1 : 0,
                      operands.destination ? 1 : 0, results[row - 1] ? 1 : 0);
        out += entry;
    }
    return out + "]";
}

// The fields every operation has, in the order the text report lists them.
std::string OperationFields(const OperationFacts& facts) {
    return JsonField("index", JsonString(facts.indexText)) + "," +
           JsonField("code", JsonString(facts.codeText)) + "," +
           JsonField("window_code", JsonString(facts.windowCode)) + "," +
           JsonField("rpn", JsonString(facts.rpn)) + "," +
           JsonField("gdi_name", facts.gdiName.empty() ? "null" : JsonString(facts.gdiName)) + "," +
           JsonField("expression", JsonString(facts.expression)) + "," +
           JsonField("operators", std::to_string(facts.operators)) + "," +
           JsonField("rows", JsonString(facts.rows)) + "," +
           JsonField("truth_table", TruthTable(facts.index));
}

std::string Warning(const LowWordWarning& warning) {
    return "{" + JsonField("message", JsonString(warning.message)) + "," +
           JsonField("given_code", JsonString(FormatFullRopCode(warning.givenCode))) + "," +
           JsonField("given_low_word", JsonString(FormatRopLowWord(warning.givenLowWord))) + "," +
           JsonField("published_low_word", JsonString(FormatRopLowWord(warning.publishedLowWord))) +
           "," +
           JsonField("given_low_word_rpn",
                     warning.givenRpn ? JsonString(*warning.givenRpn) : "null") +
           "," +
           JsonField("given_low_word_index", warning.givenRpn
                                                 ? JsonString(FormatRopIndex(warning.givenRpnIndex))
                                                 : "null") +
           "}";
}

}  // namespace

std::string OperationJsonObject(const OperationFacts& facts, std::optional<RopInputKind> readAs) {
    return "{" + JsonField("read_as", readAs ? JsonString(RopInputKindName(*readAs)) : "null") +
           "," + OperationFields(facts) + "," +
           JsonField("warning", facts.warning ? Warning(*facts.warning) : "null") + "," +
           JsonField("port", PortJsonObject(facts.index)) + "}";
}

std::string FormatOperationJson(const OperationFacts& facts, RopInputKind readAs) {
    return OperationJsonObject(facts, readAs) + "\n";
}

std::string TableJsonObject(const OperationFacts& facts) {
    return "{" + OperationFields(facts) + "," + JsonField("port", PortJsonObject(facts.index)) +
           "}";
}

std::string FormatTableJson() {
    std::string out = "[\n";
    for (int index = 0; index < 256; ++index) {
        out += TableJsonObject(CollectOperationFacts(static_cast<std::uint8_t>(index)));
        out += index == 255 ? "\n" : ",\n";
    }
    return out + "]\n";
}
