#include "quote_argument.h"

#include "rop_text_chars.h"

namespace {

// A backslash is escaped in an argument, where it may be a code's text, not in a Windows path.
std::string Quote(const std::string& text, std::size_t shown, bool escapeBackslash) {
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size() && i < shown; ++i) {
        const char c = text[i];
        if (c == '"' || (c == '\\' && escapeBackslash))
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

std::string QuoteArgument(const std::string& arg) { return Quote(arg, 40, true); }

// A file's name is at its end: a path is shown whole (the system bounds its length).
std::string QuotePath(const std::string& path) { return Quote(path, 4096, false); }
