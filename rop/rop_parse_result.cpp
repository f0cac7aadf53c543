#include "rop_parse_result.h"

#include "rop_text_chars.h"

std::string DescribeRopTextChar(char c) {
    if (c >= 0x20 && c < 0x7F) return std::string("'") + c + "'";
    return "\\x" + FormatRopHexDigits(static_cast<unsigned char>(c), 2);
}
