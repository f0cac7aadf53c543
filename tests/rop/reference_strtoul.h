#pragma once

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

// What the C library's strtoul gives with base 16 and a 32-bit unsigned long: the library's
// 64-bit conversion narrowed with strtoul's overflow rule. (Wine's 32-bit strtoul returns small
// numbers for negative overflows such as "-100000000" where the C standard, glibc and Windows
// give ULONG_MAX, so the 64-bit conversion is the trustworthy reference on both systems.)
inline std::uint32_t ReferenceStrtoul(const std::string& text) {
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), nullptr, 16);
    if (errno == ERANGE) return 0xFFFFFFFFu;
    std::size_t first = 0;
    while (first < text.size() &&
           (text[first] == ' ' || (text[first] >= '\t' && text[first] <= '\r')))
        ++first;
    const bool negative = first < text.size() && text[first] == '-';
    const unsigned long long magnitude = negative ? 0ull - value : value;
    if (magnitude > 0xFFFFFFFFull) return 0xFFFFFFFFu;
    return static_cast<std::uint32_t>(negative ? 0ull - magnitude : magnitude);
}

// The reference reading of a Hex field: cut, skip one "x" or "0x", then strtoul.
inline std::uint32_t ReferenceHexFieldParse(std::string text) {
    text = text.substr(0, 62);
    std::size_t skip = 0;
    if (!text.empty() && (text[0] == 'x' || text[0] == 'X'))
        skip = 1;
    else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        skip = 2;
    return ReferenceStrtoul(text.substr(skip));
}
