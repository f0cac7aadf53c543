#pragma once

#include <string>

// The text with its ASCII capitals in lower case, whatever the locale.
inline std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}
