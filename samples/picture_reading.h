#pragma once

#include <utility>

#include "afxwin.h"
#include "source_picture.h"

// A picture read from a file or the clipboard, or why none was: a sentence for the status line.
struct PictureReading {
    PictureReading() = default;
    PictureReading(SourcePicture read, CStringW why)
        : picture(std::move(read)), fault(std::move(why)) {}

    SourcePicture picture;
    CStringW fault;  // a file's name in it in any script
    CStringW note;   // what the status line says of a picture taken in (a frame of several)
    // A file the clipboard names, still to be read (ReadPictureFile) by whoever takes it in.
    CStringW fileToRead;
    bool Ok() const { return fault.IsEmpty(); }
    bool Pending() const { return !fileToRead.IsEmpty(); }
};
