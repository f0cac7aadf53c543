#include <optional>

#include "json_text.h"
#include "report.h"
#include "report_lines.h"
#include "rop_port.h"

namespace {

constexpr const char* kShaderLanguages[] = {"GLSL", "HLSL", "MSL", "WGSL"};

// The widest names, plus two spaces: GL_COPY_INVERTED, VK_LOGIC_OP_COPY_INVERTED,
// D3D12_LOGIC_OP_COPY_INVERTED and QPainter::RasterOp_NotSourceAndNotDestination.
constexpr std::size_t kDrawnWidth = 7, kOpenGlWidth = 18, kVulkanWidth = 27, kDirect3dWidth = 30,
                      kQtWidth = 47;

std::string DrawnLine(RopDrawn drawn) {
    switch (drawn) {
        case RopDrawn::Source:
            return "S (the source image is the fragment colour)";
        case RopDrawn::Pattern:
            return "P (a quad in the brush colour)";
        case RopDrawn::Nothing:
            return "any colour (the result reads neither P nor S)";
        case RopDrawn::PatternAndSource:
            break;
    }
    return "P and S both: no logic op, a shader only";
}

std::string DrawnJson(RopDrawn drawn) {
    if (drawn == RopDrawn::Source) return JsonString("S");
    return drawn == RopDrawn::Pattern ? JsonString("P") : "null";
}

std::string NameOrNull(const std::optional<RopLogicOp>& op, std::string_view RopLogicOp::*name) {
    return op ? JsonString((*op).*name) : "null";
}

}  // namespace

std::string PortJsonObject(std::uint8_t index) {
    const std::optional<RopLogicOp> op = RopLogicOpOf(index);
    const std::string shader = JsonString(RopShaderExpression(index));
    return "{" + JsonField("drawn", DrawnJson(RopDrawnOf(index))) + "," +
           JsonField("opengl", NameOrNull(op, &RopLogicOp::opengl)) + "," +
           JsonField("vulkan", NameOrNull(op, &RopLogicOp::vulkan)) + "," +
           JsonField("direct3d", NameOrNull(op, &RopLogicOp::direct3d)) + "," +
           JsonField("qt", NameOrNull(op, &RopLogicOp::qt)) + "," + JsonField("glsl", shader) +
           "," + JsonField("hlsl", shader) + "," + JsonField("msl", shader) + "," +
           JsonField("wgsl", shader) + "," + JsonField("limit", JsonString(RopPortLimit(index))) +
           "," + FamilyJsonFields(index) + "}";
}

void AddPortLines(std::string& out, std::uint8_t index) {
    const std::optional<RopLogicOp> op = RopLogicOpOf(index);
    const auto name = [&](std::string_view RopLogicOp::*api) {
        return op ? std::string((*op).*api) : std::string("(none: the code needs both P and S)");
    };
    AddReportLine(out, "Drawn", DrawnLine(RopDrawnOf(index)));
    AddReportLine(out, "OpenGL",
                  op ? "glLogicOp(" + name(&RopLogicOp::opengl) + ")" : name(&RopLogicOp::opengl));
    AddReportLine(out, "Vulkan", name(&RopLogicOp::vulkan));
    AddReportLine(out, "Direct3D 12", name(&RopLogicOp::direct3d));
    AddReportLine(out, "Qt", name(&RopLogicOp::qt));
    for (const char* language : kShaderLanguages)
        AddReportLine(out, language, RopShaderExpression(index));
    AddReportLine(out, "Limit", std::string(RopPortLimit(index)));
    AddFamilyLines(out, index);
}

std::string PortTableHeader() {
    return PaddedColumn("Drawn", kDrawnWidth) + PaddedColumn("OpenGL", kOpenGlWidth) +
           PaddedColumn("Vulkan", kVulkanWidth) + PaddedColumn("Direct3D 12", kDirect3dWidth) +
           PaddedColumn("Qt", kQtWidth) + FamilyTableHeader() + "Shader";
}

std::string PortTableColumns(std::uint8_t index) {
    const std::optional<RopLogicOp> op = RopLogicOpOf(index);
    const auto column = [&](std::string_view RopLogicOp::*api, std::size_t width) {
        return PaddedColumn(op ? std::string((*op).*api) : "-", width);
    };
    const RopDrawn drawn = RopDrawnOf(index);
    const char* const drawnText =
        drawn == RopDrawn::Source ? "S" : (drawn == RopDrawn::Pattern ? "P" : "-");
    return PaddedColumn(drawnText, kDrawnWidth) + column(&RopLogicOp::opengl, kOpenGlWidth) +
           column(&RopLogicOp::vulkan, kVulkanWidth) +
           column(&RopLogicOp::direct3d, kDirect3dWidth) + column(&RopLogicOp::qt, kQtWidth) +
           FamilyTableColumns(index) + RopShaderExpression(index);
}

std::string PortTableNotes() {
    return "\nLimits: " + std::string(kRopLogicOpLimit) +
           ".\nShader: the same expression in GLSL, HLSL, MSL and WGSL, over unsigned p, s, d; " +
           std::string(kRopShaderLimit) + ".\n" + FamilyTableNotes();
}
