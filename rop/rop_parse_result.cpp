#include "rop_parse_result.h"

#include <cstdio>

std::string DescribeRopTextChar(char c) {
    if (c >= 0x20 && c < 0x7F) return std::string("'") + c + "'";
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X",
                  static_cast<unsigned>(static_cast<unsigned char>(c)));
    return text;
}
