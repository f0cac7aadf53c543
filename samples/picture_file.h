#pragma once

#include "picture_reading.h"

// The side a picture is read at most: a larger one is scaled down by WIC as it is decoded, its
// proportions kept, so no picture needs more than this squared in memory.
constexpr int kLargestReadSide = 4096;

// A picture file through Windows Imaging Component (BMP, PNG, JPEG, GIF, TIFF, ICO and whatever
// codecs the system has): its first frame as straight 32-bit BGRA. A picture claiming a side of
// 30,000 pixels or more is refused before it is decoded. Initialises COM on the thread for the
// call if it has not been. A fault names the file: not a picture, damaged, a folder, a file that
// cannot be opened (with the system's text), too large, out of memory.
PictureReading ReadPictureFile(const wchar_t* path);
