#pragma once

// Whether a file's first bytes are those of a picture format Windows reads: BMP, PNG, GIF, JPEG,
// TIFF, ICO or CUR. A decoder that refuses such a file found it damaged; one that refuses any
// other file found no picture in it.

#include <cstddef>
#include <cstdint>

bool StartsLikeAPicture(const std::uint8_t* bytes, std::size_t size);
