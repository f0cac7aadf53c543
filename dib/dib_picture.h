#pragma once

// The pixels of a device-independent bitmap that ReadDibHeader accepted.

#include <cstddef>
#include <cstdint>

#include "dib_header.h"
#include "source_picture.h"

// The block's picture, top-down. A picture with a side longer than maxSide is reduced by the
// smallest whole factor that brings both sides to maxSide or less, each pixel the mean of the
// square it stands for, so a huge bitmap never needs more than maxSide x maxSide pixels here.
// A picture with alpha whose colours never exceed their alpha counts as premultiplied. An empty
// picture when the layout does not fit the block. Raises std::bad_alloc.
SourcePicture DibToPicture(const std::uint8_t* block, std::size_t size, const DibLayout& layout,
                           int maxSide);
