#pragma once

#include <atomic>

#include "picture_reading.h"

// The side a picture is read at most: a larger one is scaled down by WIC as it is decoded, its
// proportions kept, so no picture needs more than this squared in memory.
constexpr int kLargestReadSide = 4096;
// The most pixels a file may claim: a small file can claim a vast picture (a "decompression
// bomb"), and its decoder would need 4 bytes for each.
constexpr unsigned long long kLargestDecodedPixels = 100000000;

// A picture file through Windows Imaging Component (BMP, PNG, JPEG, GIF, TIFF, ICO and whatever
// codecs the system has) as straight 32-bit BGRA, standing as its camera's orientation says: an
// icon's largest image, any other file's first frame (the reading's note says so where it has
// more). A picture claiming a side of 30,000 pixels or more, or more than kLargestDecodedPixels,
// is refused before it is decoded. Initialises COM on the thread for the call if it has not
// been. A fault names the file: not a picture, damaged, pixels that cannot be converted, a
// folder, a file that cannot be opened (with the system's text), too large, out of memory. Once
// `abandoned` is set the reading stops, with kReadingAbandoned.
PictureReading ReadPictureFile(const wchar_t* path, const std::atomic<bool>* abandoned = nullptr);
