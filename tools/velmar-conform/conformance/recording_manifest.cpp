#include "recording_manifest.h"

#include <set>

#include <nlohmann/json.hpp>

#include "conformance_case.h"

namespace {

using Json = nlohmann::json;

struct ManifestFault {
    std::string text;
};

[[noreturn]] void Refuse(const std::string& place, const std::string& message) {
    throw ManifestFault{place.empty() ? message : place + ": " + message};
}

const Json& Member(const Json& object, const std::string& place, const char* key) {
    if (!object.is_object()) Refuse(place, "not an object");
    if (!object.contains(key)) Refuse(place, std::string("no \"") + key + "\"");
    return object[key];
}

std::string Text(const Json& value, const std::string& place) {
    if (!value.is_string()) Refuse(place, "not a text");
    return value.get<std::string>();
}

bool IsSha1(const std::string& text) {
    if (text.size() != 40) return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

RecordedCase ReadCase(const Json& entry, const std::string& place) {
    RecordedCase recorded;
    recorded.name = Text(Member(entry, place, "name"), place + ".name");
    if (!IsCaseName(recorded.name))
        Refuse(place + ".name", "not a case name (letters, digits and . , = _ + - only)");
    recorded.sha1 = Text(Member(entry, place, "sha1"), place + ".sha1");
    if (!IsSha1(recorded.sha1)) Refuse(place + ".sha1", "not 40 lower-case hexadecimal digits");
    const Json& returns = Member(entry, place, "returns");
    const Json& errors = Member(entry, place, "last_errors");
    if (!returns.is_array() || !errors.is_array() || returns.size() != errors.size())
        Refuse(place, "\"returns\" and \"last_errors\" are not two lists of one length");
    for (std::size_t i = 0; i < returns.size(); ++i) {
        if (!returns[i].is_boolean())
            Refuse(place + ".returns", "holds a value that is not true or false");
        if (!errors[i].is_number_unsigned() || errors[i].get<std::uint64_t>() > 0xFFFFFFFFu)
            Refuse(place + ".last_errors", "holds a value that is not a 32-bit number");
        recorded.steps.push_back({returns[i].get<bool>(), errors[i].get<std::uint32_t>()});
    }
    return recorded;
}

RecordingManifest Read(const Json& root) {
    if (!root.is_object() || !root.contains("recording") || root["recording"] != 1)
        Refuse("", "not a recording of velmar-conform (no \"recording\": 1)");
    RecordingManifest manifest;
    if (root.contains("program") && root["program"].is_string())
        manifest.platform.program = root["program"].get<std::string>();
    const Json& cases = Member(root, "", "cases");
    if (!cases.is_array()) Refuse("cases", "not a list");
    std::set<std::string> names;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string place = "cases[" + std::to_string(i) + "]";
        manifest.cases.push_back(ReadCase(cases[i], place));
        if (!names.insert(manifest.cases.back().name).second)
            Refuse(place + ".name", "a case named before");
    }
    return manifest;
}

}  // namespace

// One case a line, so that two recordings compare with diff.
std::string ManifestText(const RecordingManifest& manifest) {
    const RecordingPlatform& platform = manifest.platform;
    const Json head = {{"recording", 1},
                       {"program", platform.program},
                       {"processor", platform.processor},
                       {"windows",
                        {{"major", platform.windowsMajor},
                         {"minor", platform.windowsMinor},
                         {"build", platform.windowsBuild},
                         {"service_pack", platform.servicePack}}},
                       {"wine", platform.wine.empty() ? Json() : Json(platform.wine)},
                       {"cases_set", manifest.caseSet}};
    std::string text = head.dump(-1, ' ', false, Json::error_handler_t::replace);
    text.pop_back();
    text += ",\n\"cases\": [";
    for (std::size_t i = 0; i < manifest.cases.size(); ++i) {
        const RecordedCase& recorded = manifest.cases[i];
        Json returns = Json::array(), errors = Json::array();
        for (const StepResult& step : recorded.steps) {
            returns.push_back(step.value);
            errors.push_back(step.lastError);
        }
        const Json entry = {{"name", recorded.name},
                            {"sha1", recorded.sha1},
                            {"returns", returns},
                            {"last_errors", errors}};
        text += (i ? ",\n" : "\n") + entry.dump();
    }
    return text + "\n]}\n";
}

ManifestReading ReadManifest(std::string_view text) {
    try {
        return {Read(Json::parse(text)), {}};
    } catch (const Json::parse_error& e) {
        // "[json.exception.parse_error.101] parse error at line 1, column 5: ..."
        std::string what = e.what();
        const std::size_t bracket = what.find("] ");
        if (bracket != std::string::npos) what.erase(0, bracket + 2);
        // The message quotes what was last read, which may be any bytes.
        for (char& c : what)
            if (c < 0x20 || c > 0x7E) c = '?';
        return {std::nullopt, "not JSON: " + what};
    } catch (const Json::exception& e) {
        return {std::nullopt, std::string("not JSON: ") + e.what()};
    } catch (const ManifestFault& fault) {
        return {std::nullopt, fault.text};
    }
}
