#include <cstdio>

#include "json_text.h"
#include "report.h"
#include "rop_low_word.h"
#include "rop_quaternary.h"

namespace {

std::string TruthTable(std::uint32_t code) {
    std::string out = "[";
    for (int row = 1; row <= 16; ++row) {
        const int k = row - 1;
        char entry[80];
        std::snprintf(entry, sizeof entry,
                      "%s{\"row\":%d,\"M\":%d,\"P\":%d,\"S\":%d,\"D\":%d,\"result\":%d}",
                      row == 1 ? "" : ",", row, (k >> 3) & 1, (k >> 2) & 1, (k >> 1) & 1, k & 1,
                      Rop4RowResult(code, row) ? 1 : 0);
        out += entry;
    }
    return out + "]";
}

std::string Warning(const MaskLowWordWarning& warning) {
    return "{" + JsonField("message", JsonString(warning.message)) + "," +
           JsonField("given_low_word", JsonString(FormatRopLowWord(warning.givenLowWord))) + "," +
           JsonField("published_low_word", JsonString(FormatRopLowWord(warning.publishedLowWord))) +
           "}";
}

}  // namespace

std::string FormatMaskJson(const MaskFacts& facts) {
    return "{" + JsonField("code", JsonString(facts.codeText)) + "," +
           JsonField("as_c", JsonString(facts.asC)) + "," +
           JsonField("foreground", OperationJsonObject(facts.foreground, facts.foregroundReadAs)) +
           "," +
           JsonField("background", OperationJsonObject(facts.background, facts.backgroundReadAs)) +
           "," + JsonField("warning", facts.warning ? Warning(*facts.warning) : "null") + "," +
           JsonField("truth_table", TruthTable(facts.code)) + "}\n";
}
