#include <array>
#include <limits>
#include <string_view>

#include "scene_parts.h"

namespace {

constexpr std::array<std::string_view, 6> kHatchNames = {
    "HS_HORIZONTAL", "HS_VERTICAL", "HS_FDIAGONAL", "HS_BDIAGONAL", "HS_CROSS", "HS_DIAGCROSS"};

struct StepReader {
    const SceneNames& names;
    const std::vector<SceneBitmap>& bitmaps;

    std::size_t Bitmap(const Json& value, const ScenePlace& place) const {
        const auto found = value.is_string() ? names.find(value.get<std::string>()) : names.end();
        if (found == names.end()) FaultWith(place, value, "is not the name of a bitmap");
        return found->second;
    }

    // A bitmap's name or null.
    std::optional<std::size_t> BitmapOrNull(const Json& step, const ScenePlace& place,
                                            const char* key) const {
        const Json& value = Required(step, place, key);
        if (value.is_null()) return std::nullopt;
        return Bitmap(value, place.Key(key));
    }

    SceneBrush Brush(const Json& value, const ScenePlace& place) const;
    SetStep Set(const Json& step, const ScenePlace& place) const;
};

int Coordinate(const Json& step, const ScenePlace& place, const char* key) {
    return ReadCoordinate(Required(step, place, key), place.Key(key));
}

// sx, sy, mx and my may be left out: 0.
int Offset(const Json& step, const ScenePlace& place, const char* key) {
    const Json* value = Optional(step, key);
    return value ? ReadCoordinate(*value, place.Key(key)) : 0;
}

std::int64_t HatchStyle(const Json& value, const ScenePlace& place) {
    if (value.is_string())
        for (std::size_t style = 0; style < kHatchNames.size(); ++style)
            if (value.get_ref<const std::string&>() == kHatchNames[style])
                return static_cast<std::int64_t>(style);
    if (!value.is_number_integer())
        FaultWith(place, value,
                  "is not a hatch style (a number, or HS_HORIZONTAL ... HS_DIAGCROSS)");
    return ReadInteger(value, place, std::numeric_limits<int>::min(),
                       std::numeric_limits<int>::max(), "a hatch style");
}

SceneBrush StepReader::Brush(const Json& value, const ScenePlace& place) const {
    SceneBrush brush;
    if (value == "null") {
        brush.kind = SceneBrush::Kind::Null;
        return brush;
    }
    if (!value.is_object()) FaultWith(place, value, "is not a brush");
    if (const Json* solid = Optional(value, "solid")) {
        brush.color = ReadColor(*solid, place.Key("solid"));
    } else if (const Json* hatch = Optional(value, "hatch")) {
        brush.kind = SceneBrush::Kind::Hatch;
        brush.hatchStyle = HatchStyle(*hatch, place.Key("hatch"));
        brush.color = ReadColor(Required(value, place, "color"), place.Key("color"));
    } else if (const Json* pattern = Optional(value, "pattern")) {
        brush.kind = SceneBrush::Kind::Pattern;
        brush.bitmap = Bitmap(*pattern, place.Key("pattern"));
    } else if (const Json* dib = Optional(value, "dib_pattern")) {
        brush.kind = SceneBrush::Kind::DibPattern;
        brush.bitmap = Bitmap(*dib, place.Key("dib_pattern"));
        if (bitmaps[brush.bitmap].surface.IsMonochromeBitmap())
            FaultWith(place.Key("dib_pattern"), *dib, "is not a DIB");
        const Json* usage = Optional(value, "usage");
        if (usage && *usage != "rgb" && *usage != "pal")
            FaultWith(place.Key("usage"), *usage, "is not \"rgb\" or \"pal\"");
        brush.paletteColors = usage && *usage == "pal";
        if (brush.paletteColors && !bitmaps[brush.bitmap].paletteIndices)
            Fault(place.Key("usage"), "\"pal\" needs a DIB with \"indices\"");
    } else {
        FaultWith(place, value, "is not a brush (solid, hatch, pattern, dib_pattern or \"null\")");
    }
    return brush;
}

ScenePalette Palette(const Json& value, const ScenePlace& place) {
    ScenePalette palette;
    if (value == "default") return palette;
    if (!value.is_array() || value.empty() || value.size() > 256)
        FaultWith(place, value, "is not \"default\" or a list of 1 to 256 colours \"#RRGGBB\"");
    palette.stock = false;
    for (std::size_t i = 0; i < value.size(); ++i)
        palette.colors.push_back(ReadHashColor(value[i], place.Index(i)));
    return palette;
}

SetStep StepReader::Set(const Json& step, const ScenePlace& place) const {
    SetStep set;
    set.dc = Bitmap(step["set"], place.Key("set"));
    if (const Json* v = Optional(step, "text")) set.text = ReadColor(*v, place.Key("text"));
    if (const Json* v = Optional(step, "bk")) set.background = ReadColor(*v, place.Key("bk"));
    if (const Json* v = Optional(step, "bk_mode")) {
        if (*v != "opaque" && *v != "transparent")
            FaultWith(place.Key("bk_mode"), *v, "is not \"opaque\" or \"transparent\"");
        set.bkMode = *v == "opaque" ? BkMode::Opaque : BkMode::Transparent;
    }
    if (const Json* v = Optional(step, "brush")) set.brush = Brush(*v, place.Key("brush"));
    if (const Json* v = Optional(step, "brush_origin")) {
        const ScenePlace at = place.Key("brush_origin");
        if (!v->is_array() || v->size() != 2) FaultWith(at, *v, "is not [x, y]");
        set.brushOrigin =
            BrushOrigin{ReadCoordinate((*v)[0], at.Index(0)), ReadCoordinate((*v)[1], at.Index(1))};
    }
    if (const Json* v = Optional(step, "palette")) set.palette = Palette(*v, place.Key("palette"));
    return set;
}

BlitArguments Arguments(const StepReader& reader, const Json& step, const ScenePlace& place,
                        const char* key) {
    BlitArguments at;
    at.target = reader.Bitmap(step[key], place.Key(key));
    at.x = Coordinate(step, place, "x");
    at.y = Coordinate(step, place, "y");
    at.w = Coordinate(step, place, "w");
    at.h = Coordinate(step, place, "h");
    return at;
}

SceneStep ReadStep(const StepReader& reader, const Json& step, const ScenePlace& place) {
    RequireObject(step, place);
    const char* kinds[] = {"set", "patblt", "bitblt", "maskblt"};
    const char* kind = nullptr;
    for (const char* k : kinds)
        if (Optional(step, k)) {
            if (kind)
                Fault(place,
                      std::string("a step is one of set, patblt, bitblt and maskblt, not both ") +
                          kind + " and " + k);
            kind = k;
        }
    if (!kind) Fault(place, "a step is one of set, patblt, bitblt and maskblt");
    const std::string_view name(kind);
    if (name == "set") return reader.Set(step, place);
    const BlitArguments at = Arguments(reader, step, place, kind);
    if (name == "patblt")
        return PatBltStep{at, ReadRop(Required(step, place, "rop"), place.Key("rop"))};
    if (name == "bitblt")
        return BitBltStep{at, reader.BitmapOrNull(step, place, "src"), Offset(step, place, "sx"),
                          Offset(step, place, "sy"),
                          ReadRop(Required(step, place, "rop"), place.Key("rop"))};
    return MaskBltStep{at,
                       reader.BitmapOrNull(step, place, "src"),
                       Offset(step, place, "sx"),
                       Offset(step, place, "sy"),
                       reader.BitmapOrNull(step, place, "mask"),
                       Offset(step, place, "mx"),
                       Offset(step, place, "my"),
                       ReadRop4(Required(step, place, "rop4"), place.Key("rop4"))};
}

}  // namespace

std::vector<SceneStep> ReadSceneSteps(const Json& steps, const ScenePlace& place,
                                      const SceneNames& names,
                                      const std::vector<SceneBitmap>& bitmaps) {
    if (!steps.is_array()) FaultWith(place, steps, "is not a list of steps");
    const StepReader reader{names, bitmaps};
    std::vector<SceneStep> result;
    for (std::size_t i = 0; i < steps.size(); ++i)
        result.push_back(ReadStep(reader, steps[i], place.Index(i)));
    return result;
}
