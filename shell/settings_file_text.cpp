#include "settings_file_text.h"

#include <vector>

namespace {

constexpr char kSection[] = "CurrentVersion";
constexpr char kPathName[] = "Path";
constexpr char kVersionName[] = "Version";

// A stretch of the text, read in place: the file's text is parsed without copies of its lines.
struct Span {
    const char* begin;
    const char* end;
    size_t Size() const { return static_cast<size_t>(end - begin); }
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

Span Trimmed(Span span) {
    while (span.begin < span.end && IsBlank(*span.begin)) ++span.begin;
    while (span.end > span.begin && IsBlank(span.end[-1])) --span.end;
    return span;
}

const char* Find(Span span, char c) {
    while (span.begin < span.end && *span.begin != c) ++span.begin;
    return span.begin;
}

// Names are compared as Windows compares a profile's: ASCII letters in either case.
bool IsName(Span span, const char* name) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (; *name != '\0'; ++name, ++span.begin)
        if (span.begin == span.end || lower(*span.begin) != lower(*name)) return false;
    return span.begin == span.end;
}

// Strict: a byte that is no part of a UTF-8 character makes the whole value unreadable, rather
// than a path with a replacement character in it.
CStringW FromUtf8(Span span) {
    const int size = static_cast<int>(span.Size());
    if (size == 0 || Find(span, '\0') != span.end) return CStringW();
    const int length =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, span.begin, size, nullptr, 0);
    if (length <= 0) return CStringW();
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, span.begin, size, wide.data(), length);
    return CStringW(wide.data(), length);
}

// With its terminating zero.
std::vector<char> ToUtf8(LPCWSTR text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> narrow(static_cast<size_t>(size > 0 ? size : 1), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), size, nullptr, nullptr);
    return narrow;
}

// Digits alone, at most 32 bits; 0 for anything else.
DWORD FromDecimal(Span span) {
    if (span.Size() == 0 || span.Size() > 10) return 0;
    unsigned long long value = 0;
    for (const char* digit = span.begin; digit < span.end; ++digit) {
        if (*digit < '0' || *digit > '9') return 0;
        value = value * 10 + static_cast<unsigned>(*digit - '0');
    }
    return value > 0xFFFFFFFFull ? 0 : static_cast<DWORD>(value);
}

}  // namespace

// The first of each value counts, as Windows reads a profile; a UTF-8 byte order mark, as
// Notepad writes one, is passed over.
SettingsFileValues ReadSettingsText(const char* text, size_t size) {
    SettingsFileValues values;
    bool inSection = false, pathSeen = false, versionSeen = false;
    Span rest{text, text + size};
    if (size >= 3 && text[0] == '\xEF' && text[1] == '\xBB' && text[2] == '\xBF') rest.begin += 3;
    while (rest.begin < rest.end) {
        const char* lineEnd = Find(rest, '\n');
        const Span line = Trimmed({rest.begin, lineEnd});
        rest.begin = lineEnd == rest.end ? lineEnd : lineEnd + 1;
        const char* equals = Find(line, '=');
        if (line.Size() >= 2 && *line.begin == '[' && line.end[-1] == ']') {
            inSection = IsName(Trimmed({line.begin + 1, line.end - 1}), kSection);
        } else if (inSection && equals != line.end) {
            const Span name = Trimmed({line.begin, equals});
            const Span value = Trimmed({equals + 1, line.end});
            if (!pathSeen && IsName(name, kPathName)) {
                values.path = FromUtf8(value);
                pathSeen = true;
            } else if (!versionSeen && IsName(name, kVersionName)) {
                values.version = FromDecimal(value);
                versionSeen = true;
            }
        }
    }
    return values;
}

CString WriteSettingsText(const SettingsFileValues& values) {
    char digits[11] = {};
    char* first = digits + 10;
    DWORD version = values.version;
    do {
        *--first = static_cast<char>('0' + version % 10);
        version /= 10;
    } while (version != 0);
    return AfxJoinText(
        {"[CurrentVersion]\r\nPath=", ToUtf8(values.path).data(), "\r\nVersion=", first, "\r\n"});
}
