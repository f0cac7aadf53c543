#pragma once

#include <string>
#include <vector>

#include "velmar_rop.h"

// velmar-rop run in-process with these arguments, as its tests call it.
inline VelmarRopRun Invoke(std::vector<std::string> args) { return RunVelmarRop(args); }

// The text of a string field of velmar-rop's JSON ("name":"value"); empty when there is none.
inline std::string JsonField(const std::string& json, const std::string& name) {
    const std::size_t start = json.find("\"" + name + "\":\"");
    if (start == std::string::npos) return {};
    const std::size_t value = start + name.size() + 4;
    return json.substr(value, json.find('"', value) - value);
}
