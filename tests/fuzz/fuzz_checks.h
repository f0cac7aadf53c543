#pragma once

// What every fuzz target checks beyond "nothing crashed". A broken rule is printed with the text
// it broke on, then the process aborts, which libFuzzer reports and keeps the input of.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rop_parse_result.h"

void FuzzRequire(bool holds, std::string_view rule, std::string_view text = {});

std::string_view FuzzInput(const std::uint8_t* data, std::size_t size);

// The pieces between NUL bytes, as a command line hands them over: "a\0\0b" is "a", "", "b";
// an empty input is no argument at all.
std::vector<std::string> SplitAtNul(std::string_view text);

// Printable ASCII, and line feeds where allowed: what reaches a terminal from a report or a
// message, whatever bytes were typed.
bool IsPrintable(std::string_view text, bool lineFeeds);

// A fault names itself on one printable line and selects a part of the text inside it, an empty
// part only for an empty text.
void CheckFault(const RopParseResult& result, std::string_view text);

// Every form the report gives an operation in reads back to it: the published RPN and the
// shortest expression (as such and in the window's field), the rows, the index, the code and the
// GDI name. A given code is warned about exactly when its low word is not the published one.
void CheckReadsBack(std::uint8_t index, std::optional<std::uint32_t> givenCode = std::nullopt);

// The text is one JSON document (RFC 8259, UTF-8), and every object in it that describes an
// operation (an "index", or a pen mix's "twin" with one, beside "rpn" and "expression") says
// the same operation in its RPN and its expression.
void CheckJsonReport(std::string_view json);
