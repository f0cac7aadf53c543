#pragma once

#include <string_view>

std::string_view ConformHelpText();
