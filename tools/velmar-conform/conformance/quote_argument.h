#pragma once

#include <string>

// At most a few dozen characters of an argument, with anything unprintable escaped, for messages.
std::string QuoteArgument(const std::string& arg);

// A path in a message, the same but whole, its backslashes as they are.
std::string QuotePath(const std::string& path);
