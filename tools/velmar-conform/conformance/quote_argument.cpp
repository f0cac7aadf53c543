#include "quote_argument.h"

#include "rop_text_chars.h"

namespace {

std::string Quote(const std::string& text, std::size_t shown) {
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size() && i < shown; ++i) {
        const char c = text[i];
        if (c == '"' || c == '\\')
            quoted += std::string("\\") + c;
        else if (c >= 0x20 && c < 0x7F)
            quoted += c;
        else
            quoted += DescribeRopTextChar(c);
    }
    quoted += text.size() > shown ? "\"..." : "\"";
    return quoted;
}

}  // namespace

std::string QuoteArgument(const std::string& arg) { return Quote(arg, 40); }

// A file's name is at its end: a path is shown whole (the system bounds its length).
std::string QuotePath(const std::string& path) { return Quote(path, 4096); }
