#include "scene_reader.h"

#include "scene_parts.h"

namespace {

// The library's own words after "line L, column C: ", up to the text it last read (which may
// hold anything).
std::string SyntaxFault(const Json::parse_error& error) {
    std::string what = error.what();
    const std::size_t start = what.find("parse error");
    if (start != std::string::npos) what = what.substr(start);
    const std::size_t lastRead = what.find("; last read");
    if (lastRead != std::string::npos) what = what.substr(0, lastRead);
    return "not JSON: " + what;
}

Scene ReadDocument(const Json& document) {
    const ScenePlace root;
    RequireObject(document, root);
    const Json& version = Required(document, root, "scene");
    if (version != 1)
        FaultWith(root.Key("scene"), version, "is not a scene version this program reads (1)");
    SceneNames names;
    Scene scene;
    scene.bitmaps =
        ReadSceneBitmaps(Required(document, root, "bitmaps"), root.Key("bitmaps"), names);
    const Json& target = Required(document, root, "target");
    const auto found = target.is_string() ? names.find(target.get<std::string>()) : names.end();
    if (found == names.end()) FaultWith(root.Key("target"), target, "is not the name of a bitmap");
    scene.target = found->second;
    scene.steps =
        ReadSceneSteps(Required(document, root, "steps"), root.Key("steps"), names, scene.bitmaps);
    return scene;
}

}  // namespace

SceneReading ReadScene(std::string_view text) {
    try {
        return {ReadDocument(Json::parse(text.begin(), text.end())), {}};
    } catch (const Json::parse_error& error) {
        return {std::nullopt, SyntaxFault(error)};
    } catch (const Json::out_of_range&) {
        return {std::nullopt, "not JSON: a number past the range of a double"};
    } catch (const SceneFault& fault) {
        return {std::nullopt, fault.text};
    }
}
