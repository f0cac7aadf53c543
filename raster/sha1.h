#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// SHA-1 (FIPS 180-4) of a block of bytes, as 40 lower-case hexadecimal digits: the name a
// scene's result goes by, the same wherever it was drawn.
std::string Sha1Hex(const std::uint8_t* data, std::size_t size);
