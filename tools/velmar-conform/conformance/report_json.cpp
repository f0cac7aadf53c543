#include "report_json.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::json;

Json PixelJson(const PixelDifference& pixel) {
    Json json = {{"x", pixel.x}, {"y", pixel.y}};
    const std::pair<const char*, const std::optional<int>*> named[] = {{"M", &pixel.operands.m},
                                                                       {"P", &pixel.operands.p},
                                                                       {"S", &pixel.operands.s},
                                                                       {"D", &pixel.operands.d}};
    for (const auto& [name, bit] : named)
        if (*bit) json[name] = **bit;
    json["expected"] = pixel.expected;
    json["got"] = pixel.got;
    return json;
}

Json CaseJson(const CaseResult& result) {
    const CaseParameters& parameters = result.parameters;
    const CaseComparison& comparison = result.comparison;
    Json json = {{"name", result.name},
                 {"passed", result.Passed()},
                 {"parameters",
                  {{"target", parameters.target},
                   {"bpp", parameters.bitsPerPixel},
                   {"width", parameters.width},
                   {"height", parameters.height},
                   {"steps", parameters.steps}}},
                 {"pixels", comparison.pixels},
                 {"differing_pixels", comparison.differingPixels},
                 {"differences", Json::array()},
                 {"returns", Json::array()},
                 {"notes", result.notes}};
    for (const PixelDifference& pixel : comparison.firstPixels)
        json["differences"].push_back(PixelJson(pixel));
    for (const ReturnDifference& call : comparison.returns)
        json["returns"].push_back({{"step", call.step},
                                   {"call", call.call},
                                   {"expected", call.expected},
                                   {"got", call.got.value},
                                   {"last_error", call.got.lastError}});
    if (comparison.paddingByte) json["padding_byte"] = *comparison.paddingByte;
    if (!result.fault.empty()) json["fault"] = result.fault;
    return json;
}

}  // namespace

void JsonReport::Add(const CaseResult& result) {
    // Outside text (a scene's fault quotes the file) may hold bytes that are not UTF-8.
    m_cases.push_back(CaseJson(result).dump(-1, ' ', false, Json::error_handler_t::replace));
}

std::string JsonReport::Text(const std::string& program, std::size_t passed,
                             std::size_t failed) const {
    std::string text = Json{{"program", program}, {"passed", passed}, {"failed", failed}}.dump();
    text.pop_back();
    text += ",\"cases\":[";
    for (std::size_t i = 0; i < m_cases.size(); ++i) text += (i ? "," : "") + m_cases[i];
    return text + "]}\n";
}
