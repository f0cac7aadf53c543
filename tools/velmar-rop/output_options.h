#pragma once

#include <cstdint>
#include <string>

// The values of the options that change what is written instead of what is asked: --vectors,
// --seed and --emit. Each reader gives an empty text and sets its result, or the usage error.

// A count from 1 to kRopMostVectors, in decimal digits only.
std::string ReadVectorCount(const std::string& text, std::uint32_t& count);

// Any 64-bit number: decimal digits, or 0x and hexadecimal digits.
std::string ReadVectorSeed(const std::string& text, std::uint64_t& seed);

// The language to emit: "c" only.
std::string ReadEmitLanguage(const std::string& text);
