#include <optional>

#include "json_text.h"
#include "report.h"
#include "report_lines.h"
#include "rop_atari_blitter.h"
#include "rop_index_text.h"
#include "rop_minterm_families.h"
#include "rop_two_operand_families.h"

namespace {

// The widest entries, plus a space: GXcopyInverted, 0xCA, the header BltBitMap, 0xF0, 15 and 3/15.
constexpr std::size_t kX11Width = 15, kAmigaWidth = 6, kBltBitMapWidth = 10, kEgcWidth = 5,
                      kMixWidth = 5, kAtariWidth = 6;

constexpr const char* kNeedsPAndS = "(none: the code needs both P and S)";

std::string X11Json(std::uint8_t index) {
    const std::optional<RopX11Function> function = RopX11FunctionOf(index);
    if (!function) return "null";
    return "{" + JsonField("function", JsonString(function->name)) + "," +
           JsonField("value", std::to_string(function->value)) + "}";
}

std::string MixJson(std::uint8_t index) {
    const std::optional<RopIbm8514Mix> mix = RopIbm8514MixOf(index);
    if (!mix) return "null";
    return "{" + JsonField("mix", std::to_string(mix->mix)) + "," +
           JsonField("meaning", JsonString(mix->meaning)) + "}";
}

std::string AtariJson(std::uint8_t index) {
    const std::optional<RopAtariPass> pass = RopAtariBlitterPass(index);
    if (!pass) return "null";
    return "{" + JsonField("hop", std::to_string(pass->hop)) + "," +
           JsonField("op", std::to_string(pass->op)) + "}";
}

std::string AmigaJson(std::uint8_t index) {
    return "{" + JsonField("minterm", JsonString(FormatRopIndex(RopAmigaMinterm(index)))) + "," +
           JsonField("channels", JsonString(kRopAmigaChannels)) + "}";
}

std::string BltBitMapText(std::uint8_t index) {
    const std::optional<std::uint8_t> minterm = RopAmigaBltBitMapMinterm(index);
    return minterm ? FormatRopIndex(*minterm) : std::string();
}

}  // namespace

std::string FamilyJsonFields(std::uint8_t index) {
    const std::string bltBitMap = BltBitMapText(index);
    const bool onePass = RopAtariBlitterPass(index).has_value();
    return JsonField("x11", X11Json(index)) + "," + JsonField("amiga", AmigaJson(index)) + "," +
           JsonField("amiga_bltbitmap", bltBitMap.empty() ? "null" : JsonString(bltBitMap)) + "," +
           JsonField("pc98_egc", JsonString(FormatRopIndex(RopPc98EgcRop(index)))) + "," +
           JsonField("ibm8514_mix", MixJson(index)) + "," +
           JsonField("atari_blitter", AtariJson(index)) + "," +
           JsonField("atari_blitter_limit", onePass ? "null" : JsonString(kRopAtariBlitterLimit));
}

void AddFamilyLines(std::string& out, std::uint8_t index) {
    const std::optional<RopX11Function> function = RopX11FunctionOf(index);
    const std::optional<RopIbm8514Mix> mix = RopIbm8514MixOf(index);
    const std::optional<RopAtariPass> pass = RopAtariBlitterPass(index);
    const std::string bltBitMap = BltBitMapText(index);
    AddReportLine(out, "X11",
                  function
                      ? std::string(function->name) + " (" + std::to_string(function->value) + ")"
                      : kNeedsPAndS);
    AddReportLine(
        out, "Amiga minterm",
        FormatRopIndex(RopAmigaMinterm(index)) + " (" + std::string(kRopAmigaChannels) + ")");
    AddReportLine(out, "BltBitMap",
                  bltBitMap.empty() ? "(none: BltBitMap has no pattern, and the code reads P)"
                                    : bltBitMap + " (B = source, C = destination)");
    AddReportLine(out, "PC-98 EGC", FormatRopIndex(RopPc98EgcRop(index)));
    AddReportLine(
        out, "8514/A mix",
        mix ? std::to_string(mix->mix) + " (" + std::string(mix->meaning) + ")" : kNeedsPAndS);
    AddReportLine(out, "Atari BLiTTER",
                  pass ? "HOP " + std::to_string(pass->hop) + " (" +
                             std::string(RopAtariHopName(pass->hop)) + "), OP " +
                             std::to_string(pass->op)
                       : "(none: " + std::string(kRopAtariBlitterLimit) + ")");
}

std::string FamilyTableHeader() {
    return PaddedColumn("X11", kX11Width) + PaddedColumn("Amiga", kAmigaWidth) +
           PaddedColumn("BltBitMap", kBltBitMapWidth) + PaddedColumn("EGC", kEgcWidth) +
           PaddedColumn("8514", kMixWidth) + PaddedColumn("Atari", kAtariWidth);
}

std::string FamilyTableColumns(std::uint8_t index) {
    const std::optional<RopX11Function> function = RopX11FunctionOf(index);
    const std::optional<RopIbm8514Mix> mix = RopIbm8514MixOf(index);
    const std::optional<RopAtariPass> pass = RopAtariBlitterPass(index);
    const std::string bltBitMap = BltBitMapText(index);
    return PaddedColumn(function ? std::string(function->name) : "-", kX11Width) +
           PaddedColumn(FormatRopIndex(RopAmigaMinterm(index)), kAmigaWidth) +
           PaddedColumn(bltBitMap.empty() ? "-" : bltBitMap, kBltBitMapWidth) +
           PaddedColumn(FormatRopIndex(RopPc98EgcRop(index)), kEgcWidth) +
           PaddedColumn(mix ? std::to_string(mix->mix) : "-", kMixWidth) +
           PaddedColumn(pass ? std::to_string(pass->hop) + "/" + std::to_string(pass->op) : "-",
                        kAtariWidth);
}

std::string FamilyTableNotes() {
    return "Amiga: the minterm with A=P, B=S, C=D; BltBitMap: its minterm for codes without P.\n"
           "Atari: HOP/OP of one BLiTTER pass; - where there is none: " +
           std::string(kRopAtariBlitterLimit) + ".\n";
}
