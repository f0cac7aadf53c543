#include "quote_argument.h"

#include "rop_text_chars.h"

std::string QuoteArgument(const std::string& arg) {
    constexpr std::size_t kShown = 40;
    std::string text = "\"";
    for (std::size_t i = 0; i < arg.size() && i < kShown; ++i) {
        const char c = arg[i];
        if (c == '"' || c == '\\')
            text += std::string("\\") + c;
        else if (c >= 0x20 && c < 0x7F)
            text += c;
        else
            text += DescribeRopTextChar(c);
    }
    text += arg.size() > kShown ? "\"..." : "\"";
    return text;
}
