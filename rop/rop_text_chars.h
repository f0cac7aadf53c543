#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The small character tests every reader of operation text shares. They are spelled out rather
// than taken from <cctype>, so no reading ever depends on the process's locale.

// The C locale's isspace: space, tab, line feed, vertical tab, form feed, carriage return.
constexpr bool IsRopSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

constexpr bool IsRopHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// 0 to 15, or -1 for a character that is not a hexadecimal digit.
constexpr int RopHexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "0x" or "0X" at the start.
constexpr bool HasRopHexPrefix(std::string_view text) {
    return text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

// What C allows in an identifier: a name, or a run of letters an expression reads as one word.
constexpr bool IsRopWordChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The symbols reverse Polish notation is written with.
constexpr bool IsRopRpnSymbol(char c) {
    return std::string_view("PSD01aoxn").find(c) != std::string_view::npos;
}

// ASCII letters compared without case: "srcCopy" equals "SRCCOPY".
constexpr bool EqualsIgnoringRopCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

// The value in hexadecimal, at least `digits` digits (zeros in front): 0x2E, 4 -> "002E".
// Upper-case digits unless asked otherwise; "0x" is the caller's to add.
std::string FormatRopHexDigits(std::uint32_t value, int digits, bool lowerCase = false);

// A character as a message shows it: printable ASCII quoted, anything else as \xNN, so a message
// never carries control bytes or broken UTF-8 to the terminal.
std::string DescribeRopTextChar(char c);

// "position 5" for offset 4: messages count characters from 1, as a user does.
std::string RopTextPosition(std::size_t offset);

// A piece of the user's text as a message shows it: quoted, at most a few dozen characters,
// anything unprintable as \xNN, so a message stays one short printable line.
std::string QuoteRopText(std::string_view text);

// The text without white space at either end; offset is where what is left starts.
struct TrimmedRopText {
    std::string_view text;
    std::size_t offset = 0;
};
TrimmedRopText TrimRopSpace(std::string_view text);
