#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "sweep_formats.h"
#include "sweep_scenes.h"

// A scene put together a bitmap and a step at a time.
class SweepSceneBuilder {
public:
    explicit SweepSceneBuilder(std::string target) {
        m_scene = {{"scene", 1},
                   {"bitmaps", Json::object()},
                   {"target", std::move(target)},
                   {"steps", Json::array()}};
    }
    SweepSceneBuilder& Bitmap(const std::string& name, Json description) {
        m_scene["bitmaps"][name] = std::move(description);
        return *this;
    }
    SweepSceneBuilder& Step(Json step) {
        m_scene["steps"].push_back(std::move(step));
        return *this;
    }
    // A note the scene reader passes over: each operand's bits by row (case_operands.h).
    SweepSceneBuilder& Operands(Json operands) {
        m_scene["operands"] = std::move(operands);
        return *this;
    }
    ConformanceCase Make(std::string name) const { return {std::move(name), m_scene.dump()}; }

private:
    Json m_scene;
};

// A bitmap of the format filled with reproducible noise.
inline Json NoiseBitmap(const SweepFormat& format, int width, int height, std::uint32_t seed) {
    Surface surface = SweepSurface(format, width, height);
    FillRandom(surface, seed);
    return SweepBitmap(format, surface);
}

// Colours only, as above.
inline Json ColorBitmap(const SweepFormat& format, int width, int height, std::uint32_t seed) {
    Surface surface = SweepSurface(format, width, height);
    FillColors(surface, seed);
    return SweepBitmap(format, surface);
}

// A 1-bit destination, a DIB of two colours or a monochrome bitmap.
inline bool IsOneBit(const SweepFormat& f) { return BitsPerPixel(f) == 1; }
inline bool HasChannels(const SweepFormat& f) { return BitsPerPixel(f) > 8; }

// A colour a 1-bit destination has, else one it has not: other colours on 1-bit destinations
// are cases of their own (rule_cases.cpp, BrushScenes).
inline const char* SolidFor(const SweepFormat& format) {
    return IsOneBit(format) ? "#FFFFFF" : "#60C0A0";
}

// A blit onto "dst"; a MaskBlt's code goes in "rop4" and a source in "src", added by the caller.
inline Json Blit(const char* kind, int x, int y, int w, int h, Json rop = nullptr) {
    Json blit = {{kind, "dst"}, {"x", x}, {"y", y}, {"w", w}, {"h", h}};
    if (!rop.is_null()) blit["rop"] = std::move(rop);
    return blit;
}

inline Json WithSource(Json blit, const char* source, int sx, int sy) {
    blit["src"] = source;
    blit["sx"] = sx;
    blit["sy"] = sy;
    return blit;
}
