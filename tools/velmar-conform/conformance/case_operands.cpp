#include "case_operands.h"

#include <nlohmann/json.hpp>

namespace {

constexpr const char* kOperandNames[4] = {"M", "P", "S", "D"};

// Two hexadecimal digits, or nothing.
std::optional<std::uint8_t> ReadOperandByte(const nlohmann::json& value) {
    if (!value.is_string()) return std::nullopt;
    const std::string& text = value.get_ref<const std::string&>();
    if (text.size() != 2) return std::nullopt;
    int byte = 0;
    for (const char c : text) {
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                 : -1;
        if (digit < 0) return std::nullopt;
        byte = byte * 16 + digit;
    }
    return static_cast<std::uint8_t>(byte);
}

}  // namespace

CaseOperands CaseOperands::FromScene(std::string_view sceneText) {
    CaseOperands operands;
    const nlohmann::json scene = nlohmann::json::parse(sceneText, nullptr, false);
    if (!scene.is_object() || !scene.contains("operands") || !scene["operands"].is_object())
        return operands;
    const nlohmann::json& note = scene["operands"];
    for (std::size_t i = 0; i < 4; ++i) {
        if (!note.contains(kOperandNames[i]) || !note[kOperandNames[i]].is_array()) continue;
        std::vector<std::uint8_t> rows;
        for (const nlohmann::json& row : note[kOperandNames[i]]) {
            const std::optional<std::uint8_t> byte = ReadOperandByte(row);
            if (!byte) return CaseOperands();
            rows.push_back(*byte);
        }
        operands.m_rows[i] = std::move(rows);
    }
    return operands;
}

PixelOperands CaseOperands::At(int x, int y) const {
    std::array<std::optional<int>, 4> bits;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::vector<std::uint8_t>& rows = m_rows[i];
        if (rows.empty()) continue;
        bits[i] = (rows[static_cast<std::size_t>(y) % rows.size()] >> (x % 8)) & 1;
    }
    return {bits[0], bits[1], bits[2], bits[3]};
}
