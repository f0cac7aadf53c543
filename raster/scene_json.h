#pragma once

// What the scene reader's parts share: the JSON library, the place a value lies at, and the
// readers of the values every part of a scene uses. Inside the reader only.

#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "color_ref.h"

using Json = nlohmann::json;

// Where a value lies in the scene, as a fault names it: steps[3].rop, bitmaps.dst.dib.bpp.
class ScenePlace {
public:
    ScenePlace() = default;
    ScenePlace Key(std::string_view key) const;
    ScenePlace Index(std::size_t index) const;
    const std::string& Text() const { return m_text; }

private:
    explicit ScenePlace(std::string text) : m_text(std::move(text)) {}
    std::string m_text;
};

// Thrown inside the reader, and given back as its fault.
struct SceneFault {
    std::string text;
};

// "place: message"; with a value, "place: <the value> message".
[[noreturn]] void Fault(const ScenePlace& place, const std::string& message);
[[noreturn]] void FaultWith(const ScenePlace& place, const Json& value, const std::string& message);

// The value of a key the object must have, or null when it need not.
const Json& Required(const Json& object, const ScenePlace& place, const char* key);
const Json* Optional(const Json& object, const char* key);

void RequireObject(const Json& value, const ScenePlace& place);

// A whole number from min to max; `noun` names what it is in the fault.
std::int64_t ReadInteger(const Json& value, const ScenePlace& place, std::int64_t min,
                         std::int64_t max, const char* noun = "a whole number");
int ReadCoordinate(const Json& value, const ScenePlace& place);

// A number from 0 to 0xFFFFFFFF, or a "0x..." string of up to eight hexadecimal digits.
std::uint32_t ReadWord(const Json& value, const ScenePlace& place, const char* noun);

// "#RRGGBB".
Rgb ReadHashColor(const Json& value, const ScenePlace& place);

// A COLORREF: a number or "0x...", "PALETTEINDEX(n)", "DIBINDEX(n)" or "#RRGGBB".
ColorRef ReadColor(const Json& value, const ScenePlace& place);

// A ternary code: a number, "0x..." or one of the 15 names of <wingdi.h>; a MaskBlt code.
std::uint32_t ReadRop(const Json& value, const ScenePlace& place);
std::uint32_t ReadRop4(const Json& value, const ScenePlace& place);
