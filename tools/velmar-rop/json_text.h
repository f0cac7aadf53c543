#pragma once

#include <string>
#include <string_view>

// A JSON string: quotes, and backslash escapes for quotes, backslashes and control bytes.
std::string JsonString(std::string_view text);

// "name":json, with json already written.
std::string JsonField(std::string_view name, const std::string& json);
