#pragma once

#include <cstdint>
#include <string>

// The operations as C99 source that needs only <stdint.h>, for a program that computes them
// itself (an emulator, a software renderer, a test): each code a function
//   static inline uint32_t rop3_E2(uint32_t p, uint32_t s, uint32_t d)
// returning its shortest expression on 32-bit values, under a comment with its code and
// published RPN (and GDI name, where it has one).

// A header with the 256 functions and rop3(index, p, s, d), a switch over them.
std::string RopCSourceOfAll();

// A header with one code's function only.
std::string RopCSourceOfOne(std::uint8_t index);
