#include "rop_emit_c.h"

#include "rop_code.h"
#include "rop_index_text.h"
#include "rop_low_word.h"
#include "rop_names.h"
#include "rop_operand_use.h"
#include "rop_port.h"
#include "rop_truth_table.h"

namespace {

std::string FunctionName(std::uint8_t index) { return "rop3_" + FormatRopIndex(index).substr(2); }

// "0x00E20746 DSPDxax", "0x00CC0020 S (SRCCOPY)".
std::string Comment(std::uint8_t index) {
    const std::string_view name = GdiRopName(index);
    return FormatFullRopCode(RopTruthTable::CodeFromIndex(index)) + " " + PublishedRopRpn(index) +
           (name.empty() ? "" : " (" + std::string(name) + ")");
}

// Parameters the expression does not read are cast to void, so -Wextra has nothing to say.
std::string Function(std::uint8_t index) {
    const RopOperandUse use = RopOperandsUsed(index);
    std::string text = "/* " + Comment(index) + " */\nstatic inline uint32_t " +
                       FunctionName(index) + "(uint32_t p, uint32_t s, uint32_t d)\n{\n";
    if (!use.pattern) text += "    (void)p;\n";
    if (!use.source) text += "    (void)s;\n";
    if (!use.destination) text += "    (void)d;\n";
    return text + "    return " + RopShaderExpression(index) + ";\n}\n";
}

// Every index has its case; the last is also the default, so each path returns.
std::string Dispatch() {
    std::string text =
        "/* The operation of an index: bits 16 to 23 of a code, (code >> 16) & 0xFF. */\n"
        "static inline uint32_t rop3(uint8_t index, uint32_t p, uint32_t s, uint32_t d)\n{\n"
        "    switch (index) {\n";
    for (int index = 0; index < 256; ++index) {
        const auto i = static_cast<std::uint8_t>(index);
        text += "    case " + FormatRopIndex(i) + ":" + (index == 255 ? " default:" : "") +
                " return " + FunctionName(i) + "(p, s, d); /* " + Comment(i) + " */\n";
    }
    return text + "    }\n}\n";
}

std::string Header(const std::string& guard, const std::string& what) {
    return "/* " + what +
           " as C99, written by velmar-rop --emit c.\n"
           "   Bit k of an index is its result for P, S, D = bits 2, 1, 0 of k; the functions "
           "apply it\n   to every bit of 32-bit values, as GDI does to a pixel. */\n#ifndef " +
           guard + "\n#define " + guard + "\n\n#include <stdint.h>\n";
}

}  // namespace

std::string RopCSourceOfAll() {
    std::string text = Header("VELMAR_ROP3_H", "GDI's 256 ternary raster operations");
    for (int index = 0; index < 256; ++index)
        text += "\n" + Function(static_cast<std::uint8_t>(index));
    return text + "\n" + Dispatch() + "\n#endif\n";
}

std::string RopCSourceOfOne(std::uint8_t index) {
    const std::string name = FunctionName(index);
    return Header("VELMAR_ROP3_" + name.substr(5) + "_H",
                  "GDI's ternary raster operation " + FormatRopIndex(index)) +
           "\n" + Function(index) + "\n#endif\n";
}
