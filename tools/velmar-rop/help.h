#pragma once

#include <string_view>

// What --help prints: the inputs, how a bare argument is read, and examples.
std::string_view HelpText();
