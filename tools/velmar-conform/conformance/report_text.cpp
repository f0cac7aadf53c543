#include "report_text.h"

#include <cstdio>

namespace {

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string OperandsText(const PixelOperands& operands) {
    std::string text;
    const std::pair<const char*, const std::optional<int>*> named[] = {
        {"M", &operands.m}, {"P", &operands.p}, {"S", &operands.s}, {"D", &operands.d}};
    for (const auto& [name, bit] : named)
        if (*bit) text += std::string(text.empty() ? "" : " ") + name + " " + std::to_string(**bit);
    return text;
}

std::string PixelLine(const PixelDifference& pixel, int bitsPerPixel) {
    std::string line = "  at " + std::to_string(pixel.x) + "," + std::to_string(pixel.y) + "  ";
    if (pixel.operands.Any()) line += OperandsText(pixel.operands) + "  ";
    return line + "expected " + PixelText(pixel.expected, bitsPerPixel) + "  got " +
           PixelText(pixel.got, bitsPerPixel) + "\n";
}

std::string ReturnLine(const ReturnDifference& call) {
    return "steps[" + std::to_string(call.step) + "] " + call.call + " returned " +
           StepResultText(call.got) + ", expected " + (call.expected ? "TRUE" : "FALSE");
}

std::string Reason(const CaseResult& result) {
    if (!result.fault.empty()) return result.fault;
    const CaseComparison& comparison = result.comparison;
    std::string reason;
    if (comparison.differingPixels)
        reason = std::to_string(comparison.differingPixels) + " of " +
                 Count(comparison.pixels, "pixel differs", "pixels differ");
    else if (comparison.paddingByte)
        reason = "every pixel agrees, but byte " + std::to_string(*comparison.paddingByte) +
                 " between rows differs";
    if (comparison.returns.size() == 1)
        reason += (reason.empty() ? "" : "; ") + ReturnLine(comparison.returns.front());
    else if (!comparison.returns.empty())
        reason += (reason.empty() ? "" : "; ") +
                  Count(comparison.returns.size(), "return value differs", "return values differ");
    return reason.empty() && !result.notes.empty() ? result.notes.front() : reason;
}

}  // namespace

std::string PixelText(std::uint32_t value, int bitsPerPixel) {
    if (bitsPerPixel == 1) return std::to_string(value);
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", (bitsPerPixel + 3) / 4,
                  static_cast<unsigned>(value));
    return text;
}

std::string StepResultText(const StepResult& result) {
    if (result.value) return "TRUE";
    return result.lastError ? "FALSE (GetLastError " + std::to_string(result.lastError) + ")"
                            : "FALSE";
}

std::string CaseReportText(const CaseResult& result) {
    if (result.Passed()) return "PASS " + result.name + "\n";
    const std::string reason = Reason(result);
    std::string text = "FAIL " + result.name + ": " + reason + "\n";
    for (const PixelDifference& pixel : result.comparison.firstPixels)
        text += PixelLine(pixel, result.parameters.bitsPerPixel);
    if (result.comparison.returns.size() > 1)
        for (const ReturnDifference& call : result.comparison.returns)
            text += "  " + ReturnLine(call) + "\n";
    for (const std::string& note : result.notes)
        if (note != reason) text += "  " + note + "\n";
    return text;
}

std::string SummaryText(std::size_t passed, std::size_t failed) {
    return std::to_string(passed) + " passed, " + std::to_string(failed) + " failed\n";
}
