#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "scene.h"

struct SceneReading {
    std::optional<Scene> scene;
    // Set when scene is empty: the place of the fault and what is wrong, on one printable line:
    // steps[3].rop: "SRCCOPYY" is not a raster-operation code
    std::string fault;
};

// Reads a scene file's text (JSON, "scene": 1). Keys the format does not name are ignored.
SceneReading ReadScene(std::string_view text);
