#include "scene_json.h"

#include <limits>

#include "rop_names.h"
#include "rop_quaternary.h"
#include "rop_text_chars.h"
#include "rop_truth_table.h"

namespace {

constexpr std::size_t kShownValue = 40;

// A value as a fault shows it: JSON, ASCII only, cut short.
std::string Describe(const Json& value) {
    std::string text = value.dump(-1, ' ', true, Json::error_handler_t::replace);
    if (text.size() > kShownValue) text = text.substr(0, kShownValue) + "...";
    return text;
}

bool IsPlainKey(std::string_view key) {
    if (key.empty()) return false;
    for (const char c : key)
        if (!IsRopWordChar(c)) return false;
    return true;
}

// "PREFIX(n)" with n a decimal number below 65,536.
bool ReadIndexForm(std::string_view text, std::string_view prefix, std::uint16_t& index) {
    if (text.size() <= prefix.size() + 1 || text.substr(0, prefix.size()) != prefix ||
        text.back() != ')')
        return false;
    const std::string_view digits = text.substr(prefix.size(), text.size() - prefix.size() - 1);
    if (digits.empty() || digits.size() > 5) return false;
    std::uint32_t n = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (n > 0xFFFF) return false;
    index = static_cast<std::uint16_t>(n);
    return true;
}

bool ReadHexString(const Json& value, std::uint32_t& word) {
    if (!value.is_string()) return false;
    const std::string& text = value.get_ref<const std::string&>();
    if (!HasRopHexPrefix(text) || text.size() == 2) return false;
    const ParsedRopHexNumber parsed = ParseRop4Code(text);
    word = parsed.value;
    return parsed.status.ok;
}

}  // namespace

ScenePlace ScenePlace::Key(std::string_view key) const {
    if (IsPlainKey(key))
        return ScenePlace(m_text.empty() ? std::string(key) : m_text + "." + std::string(key));
    return ScenePlace(m_text + "[" + Describe(Json(std::string(key))) + "]");
}

ScenePlace ScenePlace::Index(std::size_t index) const {
    return ScenePlace(m_text + "[" + std::to_string(index) + "]");
}

void Fault(const ScenePlace& place, const std::string& message) {
    throw SceneFault{place.Text().empty() ? message : place.Text() + ": " + message};
}

void FaultWith(const ScenePlace& place, const Json& value, const std::string& message) {
    Fault(place, Describe(value) + " " + message);
}

const Json& Required(const Json& object, const ScenePlace& place, const char* key) {
    const Json* value = Optional(object, key);
    if (!value) Fault(place, std::string("\"") + key + "\" is missing");
    return *value;
}

const Json* Optional(const Json& object, const char* key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

void RequireObject(const Json& value, const ScenePlace& place) {
    if (!value.is_object()) FaultWith(place, value, "is not an object");
}

std::int64_t ReadInteger(const Json& value, const ScenePlace& place, std::int64_t min,
                         std::int64_t max, const char* noun) {
    const bool whole =
        value.is_number_integer() &&
        (value.is_number_unsigned() ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(max)
                                    : value.get<std::int64_t>() <= max);
    if (!whole || value.get<std::int64_t>() < min)
        FaultWith(place, value,
                  std::string("is not ") + noun + " from " + std::to_string(min) + " to " +
                      std::to_string(max));
    return value.get<std::int64_t>();
}

int ReadCoordinate(const Json& value, const ScenePlace& place) {
    return static_cast<int>(ReadInteger(value, place, std::numeric_limits<int>::min(),
                                        std::numeric_limits<int>::max()));
}

std::uint32_t ReadWord(const Json& value, const ScenePlace& place, const char* noun) {
    std::uint32_t word = 0;
    if (value.is_number_unsigned() && value.get<std::uint64_t>() <= 0xFFFFFFFFu)
        return static_cast<std::uint32_t>(value.get<std::uint64_t>());
    if (ReadHexString(value, word)) return word;
    FaultWith(place, value, std::string("is not ") + noun);
}

Rgb ReadHashColor(const Json& value, const ScenePlace& place) {
    const std::string* text = value.is_string() ? &value.get_ref<const std::string&>() : nullptr;
    if (!text || text->size() != 7 || (*text)[0] != '#')
        FaultWith(place, value, "is not a colour \"#RRGGBB\"");
    std::uint8_t channels[3] = {};
    for (int c = 0; c < 3; ++c) {
        const int high = RopHexDigitValue((*text)[1 + 2 * c]);
        const int low = RopHexDigitValue((*text)[2 + 2 * c]);
        if (high < 0 || low < 0) FaultWith(place, value, "is not a colour \"#RRGGBB\"");
        channels[c] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return {channels[0], channels[1], channels[2]};
}

ColorRef ReadColor(const Json& value, const ScenePlace& place) {
    std::uint32_t word = 0;
    if ((value.is_number_unsigned() && value.get<std::uint64_t>() <= 0xFFFFFFFFu) ||
        ReadHexString(value, word))
        return NormalizeColorRef(value.is_string() ? word : value.get<std::uint32_t>());
    std::uint16_t index = 0;
    if (value.is_string()) {
        const std::string& text = value.get_ref<const std::string&>();
        if (ReadIndexForm(text, "PALETTEINDEX(", index)) return MakePaletteIndex(index);
        if (ReadIndexForm(text, "DIBINDEX(", index)) return MakeDibIndex(index);
        if (!text.empty() && text[0] == '#') return MakeColorRef(ReadHashColor(value, place));
    }
    FaultWith(place, value,
              "is not a colour (a COLORREF, \"#RRGGBB\", \"PALETTEINDEX(n)\" or \"DIBINDEX(n)\")");
}

std::uint32_t ReadRop(const Json& value, const ScenePlace& place) {
    std::uint32_t word = 0;
    if (value.is_number_unsigned() && value.get<std::uint64_t>() <= 0xFFFFFFFFu)
        return static_cast<std::uint32_t>(value.get<std::uint64_t>());
    if (ReadHexString(value, word)) return word;
    // The names exactly as <wingdi.h> spells them, each for its published code.
    if (value.is_string()) {
        const std::string& name = value.get_ref<const std::string&>();
        for (int i = 0; i < 256; ++i) {
            const std::uint8_t index = static_cast<std::uint8_t>(i);
            if (!name.empty() && GdiRopName(index) == name)
                return RopTruthTable::CodeFromIndex(index);
        }
    }
    FaultWith(place, value, "is not a raster-operation code");
}

std::uint32_t ReadRop4(const Json& value, const ScenePlace& place) {
    return ReadWord(value, place, "a MaskBlt code");
}
