#pragma once

// The scene reader's two halves, for scene_reader.cpp.

#include <map>
#include <string>
#include <vector>

#include "scene.h"
#include "scene_json.h"

using SceneNames = std::map<std::string, std::size_t>;

// "bitmaps": every bitmap made as the file describes it, its name to its place in the list.
std::vector<SceneBitmap> ReadSceneBitmaps(const Json& bitmaps, const ScenePlace& place,
                                          SceneNames& names);

// "steps", checked against the bitmaps they name.
std::vector<SceneStep> ReadSceneSteps(const Json& steps, const ScenePlace& place,
                                      const SceneNames& names,
                                      const std::vector<SceneBitmap>& bitmaps);
