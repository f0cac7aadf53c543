#include "report.h"

#include <cstdio>

#include "rop_index_text.h"
#include "rop_truth_table.h"

namespace {

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string Field(std::string_view name, const std::string& json) {
    return Quoted(name) + ":" + json;
}

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
    return Field("index", Quoted(facts.indexText)) + "," + Field("code", Quoted(facts.codeText)) +
           "," + Field("window_code", Quoted(facts.windowCode)) + "," +
           Field("rpn", Quoted(facts.rpn)) + "," +
           Field("gdi_name", facts.gdiName.empty() ? "null" : Quoted(facts.gdiName)) + "," +
           Field("expression", Quoted(facts.expression)) + "," +
           Field("operators", std::to_string(facts.operators)) + "," +
           Field("rows", Quoted(facts.rows)) + "," + Field("truth_table", TruthTable(facts.index));
}

std::string Warning(const LowWordWarning& warning) {
    return "{" + Field("message", Quoted(warning.message)) + "," +
           Field("given_code", Quoted(FormatFullRopCode(warning.givenCode))) + "," +
           Field("given_low_word", Quoted(FormatLowWord(warning.givenLowWord))) + "," +
           Field("published_low_word", Quoted(FormatLowWord(warning.publishedLowWord))) + "," +
           Field("given_low_word_rpn", warning.givenRpn ? Quoted(*warning.givenRpn) : "null") +
           "," +
           Field("given_low_word_index",
                 warning.givenRpn ? Quoted(FormatRopIndex(warning.givenRpnIndex)) : "null") +
           "}";
}

}  // namespace

std::string FormatOperationJson(const OperationFacts& facts, InputKind readAs) {
    return "{" + Field("read_as", Quoted(InputKindName(readAs))) + "," + OperationFields(facts) +
           "," + Field("warning", facts.warning ? Warning(*facts.warning) : "null") + "}\n";
}

std::string FormatTableJson() {
    std::string out = "[\n";
    for (int index = 0; index < 256; ++index) {
        out += "{" + OperationFields(CollectOperationFacts(static_cast<std::uint8_t>(index))) + "}";
        out += index == 255 ? "\n" : ",\n";
    }
    return out + "]\n";
}
